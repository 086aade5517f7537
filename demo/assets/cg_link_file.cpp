#include "demo/assets/cg_link_file.h"

#include <cstring>
#include <new>

#include "demo/assets/little_endian.h"
#include "demo/base/show_message.h"

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
    const uint32_t count = LoadLe32(image_.data + 4);
    if (count == 0) return false;
    // Every record and every picture it names must lie inside the file, so that no later
    // access can leave the memory image whatever the index says.
    const uint64_t indexEnd = kHeaderSize + static_cast<uint64_t>(count) * kRecordSize;
    bool intact = indexEnd <= image_.size;
    for (uint32_t i = 0; intact && i < count; ++i) {
        const uint8_t* record = image_.data + kHeaderSize + static_cast<uint64_t>(i) * kRecordSize;
        intact = static_cast<uint64_t>(LoadLe32(record)) + LoadLe32(record + 4) <= image_.size;
    }
    if (!intact) {
        ShowMessage("ＣＧリンクファイル【 %s 】の内容が壊れています", name);
        return false;
    }
    entries_ = new (std::nothrow) CgLinkEntry[count];
    if (entries_ == nullptr) return false;
    entryCount_ = count;
    for (uint32_t i = 0; i < count; ++i) {
        const uint8_t* record = image_.data + kHeaderSize + static_cast<uint64_t>(i) * kRecordSize;
        entries_[i].offset = LoadLe32(record);
        entries_[i].size = LoadLe32(record + 4);
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
