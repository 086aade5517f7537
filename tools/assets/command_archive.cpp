#include <cstdio>

#include "tools/assets/archive_file.h"
#include "tools/assets/archive_pack.h"
#include "tools/assets/commands.h"
#include "tools/assets/entry_picture.h"
#include "tools/assets/entry_png.h"
#include "tools/assets/entry_roles.h"
#include "tools/assets/files.h"
#include "tools/assets/folder_manifest.h"

namespace assetkit {
namespace {

namespace fs = std::filesystem;

constexpr const char* kOriginalArchive = "original.zpx";

Json EntryOf(size_t index, const Slot& slot, const EntryHeader& header, bool extracted) {
    Json entry{{"index", index}};
    if (extracted) entry["file"] = PictureFileName(static_cast<uint32_t>(index));
    entry["format"] = FormatName(header.format);
    if (extracted) {
        entry["width"] = header.width;
        entry["height"] = header.height;
    }
    entry["offset"] = slot.offset;
    entry["size"] = slot.size;
    if (Json roles = RolesJson(index); !roles.empty()) entry["on_screen"] = std::move(roles);
    return entry;
}

}  // namespace

int RunExtract(const CommandArgs& args) {
    const fs::path source = args.operands[0], folder = args.operands[1];
    std::vector<uint8_t> bytes;
    std::string reason;
    if (!ReadWholeFile(source, &bytes, &reason)) return Fail(reason);
    ArchiveFile archive;
    if (!ReadArchive(std::move(bytes), &archive, &reason)) return Fail(Shown(source) + ": " + reason);
    if (!PrepareExtractFolder(folder, args.force, &reason)) return Fail(reason);

    // Every picture is decoded before anything is written, so a damaged archive leaves no folder
    // that looks complete.
    std::vector<std::vector<uint8_t>> pngs(archive.entries.size());
    Json entries = Json::array();
    size_t pictures = 0;
    for (size_t i = 0; i < archive.entries.size(); ++i) {
        const Slot slot = archive.entries[i];
        const EntryHeader header = InspectEntry(archive.bytes.data() + slot.offset, slot.size);
        if (IsPicture(header.format)) {
            EntryPicture picture;
            if (!DecodeEntry(archive.bytes.data() + slot.offset, slot.size, &picture, &reason)) {
                return Fail(Shown(source) + " (entry " + std::to_string(i) + "): " + reason);
            }
            pngs[i] = EntryToPng(picture);
            ++pictures;
        }
        entries.push_back(EntryOf(i, slot, header, IsPicture(header.format)));
    }
    for (size_t i = 0; i < pngs.size(); ++i) {
        if (!pngs[i].empty() &&
            !WriteFileAtomically(folder / PictureFileName(static_cast<uint32_t>(i)), pngs[i], &reason)) {
            return Fail(reason);
        }
    }
    Json manifest = ManifestHead(kArchiveFolderKind, kOriginalArchive, archive.bytes);
    manifest["entries"] = std::move(entries);
    if (!WriteFolder(folder, manifest, archive.bytes, &reason)) return Fail(reason);
    std::printf("extract: %zu pictures of %zu entries in %s\n", pictures, archive.entries.size(),
                Shown(folder).c_str());
    return 0;
}

int RunPack(const CommandArgs& args) {
    const fs::path folder = args.operands[0], target = args.operands[1];
    std::vector<uint8_t> bytes;
    std::string reason;
    if (!ReadFolderOriginal(folder, kArchiveFolderKind, &bytes, &reason)) return Fail(reason);
    ArchiveFile archive;
    if (!ReadArchive(std::move(bytes), &archive, &reason))
        return Fail(Shown(folder / kOriginalArchive) + ": " + reason);

    // The folder's pictures; one that was deleted stays as it is in the archive.
    std::vector<PictureFile> pictures;
    for (uint32_t i = 0; i < archive.entries.size(); ++i) {
        const fs::path png = folder / PictureFileName(i);
        std::error_code code;
        if (!fs::exists(png, code)) continue;
        PictureFile picture{i, Shown(png), {}};
        if (!ReadWholeFile(png, &picture.png, &reason)) return Fail(reason);
        pictures.push_back(std::move(picture));
    }
    const PackOutcome outcome = PackArchive(archive, pictures, args.allowResize, "; --allow-resize lets it through");
    for (const std::string& refusal : outcome.refusals) Fail(refusal);
    if (!outcome.refusals.empty()) return 1;
    if (!WriteFileAtomically(target, outcome.archive, &reason)) return Fail(reason);
    std::printf("pack: %s with %zu of %zu entries changed\n", Shown(target).c_str(), outcome.changed.size(),
                archive.entries.size());
    return 0;
}

}  // namespace assetkit
