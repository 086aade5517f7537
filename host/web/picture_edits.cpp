#include "host/web/picture_edits.h"

#include <algorithm>

#include "tools/assets/entry_picture.h"

namespace web {
namespace {

std::vector<uint8_t> ToRgba(const assetkit::EntryPicture& picture) {
    const size_t pixels = static_cast<size_t>(picture.width) * static_cast<size_t>(picture.height);
    std::vector<uint8_t> rgba(pixels * 4, 255);
    for (size_t i = 0; i < pixels; ++i) {
        const uint8_t* rgb = picture.format == assetkit::EntryFormat::kPms8 ? &picture.palette[3 * picture.values[i]]
                                                                            : &picture.rgb[3 * i];
        std::copy(rgb, rgb + 3, &rgba[4 * i]);
        if (!picture.alpha.empty()) rgba[4 * i + 3] = picture.alpha[i];
    }
    return rgba;
}

std::vector<assetkit::PictureFile> AllBut(const std::vector<assetkit::PictureFile>& offered, uint32_t index) {
    std::vector<assetkit::PictureFile> kept;
    for (const assetkit::PictureFile& earlier : offered)
        if (earlier.index != index) kept.push_back(earlier);
    return kept;
}

}  // namespace

bool PictureEdits::Open(std::vector<uint8_t> bytes, std::string* error) {
    assetkit::ArchiveFile archive;
    if (!assetkit::ReadArchive(std::move(bytes), &archive, error)) return false;
    original_ = std::move(archive);
    edited_ = original_;
    offered_.clear();
    return true;
}

std::vector<PictureEdits::Entry> PictureEdits::Pictures() const {
    std::vector<Entry> pictures;
    for (uint32_t i = 0; i < edited_.entries.size(); ++i) {
        const assetkit::Slot slot = edited_.entries[i];
        const assetkit::EntryHeader header = assetkit::InspectEntry(edited_.bytes.data() + slot.offset, slot.size);
        if (!assetkit::IsPicture(header.format)) continue;
        const bool replaced = std::any_of(offered_.begin(), offered_.end(),
                                          [i](const assetkit::PictureFile& offered) { return offered.index == i; });
        pictures.push_back({i, assetkit::FormatName(header.format), header.width, header.height, replaced});
    }
    return pictures;
}

std::vector<uint8_t> PictureEdits::Rgba(uint32_t index) const {
    if (index >= edited_.entries.size()) return {};
    const assetkit::Slot slot = edited_.entries[index];
    assetkit::EntryPicture picture;
    std::string ignored;
    if (!assetkit::DecodeEntry(edited_.bytes.data() + slot.offset, slot.size, &picture, &ignored)) return {};
    return ToRgba(picture);
}

bool PictureEdits::Replace(uint32_t index, const std::string& name, std::vector<uint8_t> png, std::string* refusal) {
    std::vector<assetkit::PictureFile> offered = AllBut(offered_, index);
    offered.push_back({index, name, std::move(png)});
    return Repack(std::move(offered), refusal);
}

void PictureEdits::Restore(uint32_t index) {
    std::string ignored;  // fewer of the pictures that packed before pack again
    Repack(AllBut(offered_, index), &ignored);
}

bool PictureEdits::Repack(std::vector<assetkit::PictureFile> offered, std::string* refusal) {
    assetkit::PackOutcome outcome = assetkit::PackArchive(original_, offered, false);
    assetkit::ArchiveFile edited;
    std::string reason;
    if (outcome.refusals.empty() && !assetkit::ReadArchive(std::move(outcome.archive), &edited, &reason))
        outcome.refusals.push_back(reason);
    if (!outcome.refusals.empty()) {
        *refusal = outcome.refusals.front();
        return false;
    }
    edited_ = std::move(edited);
    offered_ = std::move(offered);
    return true;
}

}  // namespace web
