#include "demo/assets/cg_link_file.h"

#include <cstring>
#include <new>

#include "demo/assets/cg_pictures.h"
#include "demo/base/show_message.h"
#include "platform/byte_reader.h"

namespace {

constexpr uint32_t kHeaderSize = 8;
constexpr uint32_t kRecordSize = 8;

}  // namespace

bool CgLinkFile::Open(const char* name) {
    // A failed open must not leave an old index pointing into a new image.
    Close();
    if (name == nullptr) return false;
    if (!image_.ReadWholeFile(name)) {
        ShowMessage("ＣＧリンクファイル【 %s 】の読み込みに失敗しました", name);
        return false;
    }
    if (image_.size < 4 || std::memcmp(image_.data, "ZPX0", 4) != 0) {
        ShowMessage("ＣＧリンクファイル【 %s 】のＩＤが未定義です", name);
        return false;
    }
    if (image_.size < kHeaderSize) {
        ShowMessage("ＣＧリンクファイル【 %s 】の内容が壊れています", name);
        return false;
    }
    platform::ByteReader index(image_.data, image_.size);
    index.Skip(4);
    const uint32_t count = index.U32();
    if (count == 0) return false;
    // Every record and every picture it names must lie inside the file, so that no later
    // access can leave the memory image whatever the index says.
    bool intact = index.Has(static_cast<uint64_t>(count) * kRecordSize);
    for (uint32_t i = 0; intact && i < count; ++i)
        intact = static_cast<uint64_t>(index.U32()) + index.U32() <= image_.size;
    if (!intact) {
        ShowMessage("ＣＧリンクファイル【 %s 】の内容が壊れています", name);
        return false;
    }
    entries_ = new (std::nothrow) CgLinkEntry[count];
    if (entries_ == nullptr) return false;
    entryCount_ = count;
    index.Seek(kHeaderSize);
    for (uint32_t i = 0; i < count; ++i) {
        entries_[i].offset = index.U32();
        entries_[i].size = index.U32();
    }
    return true;
}

void CgLinkFile::Close() {
    delete[] entries_;
    entries_ = nullptr;
    entryCount_ = 0;
    image_.Free();
}

CgPictureBytes CgLinkFile::Entry(int32_t index) const {
    if (index < 0 || static_cast<uint32_t>(index) >= entryCount_) return {};
    const CgLinkEntry& entry = entries_[index];
    return {image_.data + entry.offset, entry.size};
}

bool CgLinkFile::LoadCg(int32_t index, SurfaceRef& holder) {
    const CgPictureBytes picture = Entry(index);
    if (picture.data == nullptr) {
        ShowMessage("ＣＧ【 %d 】はありません", index);
        return false;
    }
    // The surface is built aside and handed over only when it is complete, so a failed load
    // leaves the holder's picture in place.
    SurfaceRef made;
    PictureFault fault = PictureFault::kUnshown;
    if (picture.size >= 2 && std::memcmp(picture.data, "PM", 2) == 0) {
        fault = DecodePmsPicture(picture, made);
    } else if (picture.size >= 2 && std::memcmp(picture.data, "BM", 2) == 0) {
        fault = DecodeBmpPicture(picture, made);
    } else {
        // The message names the detected format, which can only be "none" here.
        ShowMessage("無効なＣＧフォーマット【 %d 】です", 0);
    }
    switch (fault) {
        case PictureFault::kNone:
            holder.Reset(made.Get());
            made.Clear();
            return true;
        case PictureFault::kDamaged:
            ShowMessage("ＣＧ【 %d 】のデータが壊れています", index);
            return false;
        case PictureFault::kUnexpandablePms:
            ShowMessage("展開できないＰＭＳ【 %d 】です", index);
            return false;
        case PictureFault::kUnshown:
            return false;
    }
    return false;
}
