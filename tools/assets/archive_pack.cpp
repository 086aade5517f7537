#include "tools/assets/archive_pack.h"

#include "tools/assets/entry_picture.h"
#include "tools/assets/entry_png.h"

namespace assetkit {

PackOutcome PackArchive(const ArchiveFile& archive, const std::vector<PictureFile>& pictures, bool allowResize,
                        const char* resizeHint) {
    PackOutcome outcome;
    std::vector<std::optional<std::vector<uint8_t>>> changes(archive.entries.size());
    for (const PictureFile& offered : pictures) {
        const std::string where = offered.name + " (entry " + std::to_string(offered.index) + "): ";
        auto refuse = [&](const std::string& reason) { outcome.refusals.push_back(where + reason); };
        if (offered.index >= archive.entries.size()) {
            refuse("the archive has no such entry; it has " + std::to_string(archive.entries.size()));
            continue;
        }
        const Slot slot = archive.entries[offered.index];
        const uint8_t* entryBytes = archive.bytes.data() + slot.offset;
        EntryPicture original;
        std::string reason;
        if (!DecodeEntry(entryBytes, slot.size, &original, &reason)) {
            refuse("the entry cannot be replaced: " + reason);
            continue;
        }
        png::Image image;
        if (!png::Decode(offered.png.data(), offered.png.size(), &image, &reason)) {
            refuse("unreadable PNG: " + reason);
            continue;
        }
        EntryPicture replacement;
        if (!PictureFromPng(image, original, allowResize, resizeHint, &replacement, &reason)) {
            refuse(reason);
            continue;
        }
        if (SamePixels(replacement, original)) continue;
        std::vector<uint8_t> encoded = EncodeEntry(replacement, entryBytes, slot.size);
        if (encoded.empty()) {
            refuse("the picture could not be encoded");
            continue;
        }
        changes[offered.index] = std::move(encoded);
        outcome.changed.push_back(offered.index);
    }
    if (!outcome.refusals.empty()) return outcome;
    std::string reason;
    if (!RewriteArchive(archive, changes, &outcome.archive, &reason)) outcome.refusals.push_back(reason);
    return outcome;
}

}  // namespace assetkit
