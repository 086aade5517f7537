#include "demo/assets/file_reader.h"

#include "demo/base/show_message.h"

bool FileReader::Open(const char* name) {
    Close();
    if (!file_.Open(name)) return false;
    uint32_t size = 0;
    if (!file_.Size(&size) || size > static_cast<uint32_t>(INT32_MAX)) {
        file_.Close();
        return false;
    }
    totalSize_ = static_cast<int32_t>(size);
    return true;
}

bool FileReader::CheckRead(int64_t count) const {
    if (position_ >= 0 && count >= 0 && position_ + count <= totalSize_) return true;
    const int32_t shownCount = count > INT32_MAX ? INT32_MAX : static_cast<int32_t>(count);
    ShowMessage("ファイル読み込みエラー\nPos = %d, ReadSize = %d, TotalSize = %d", position_, shownCount, totalSize_);
    return false;
}

bool FileReader::Read(void* destination, int32_t count) {
    if (!IsOpen()) return false;
    if (!CheckRead(count)) return false;
    uint32_t got = 0;
    if (!file_.Read(destination, static_cast<uint32_t>(count), &got) || got != static_cast<uint32_t>(count)) {
        // The position stays where it was; put the file back there too, so they keep agreeing.
        file_.Seek(static_cast<uint32_t>(position_));
        return false;
    }
    position_ += count;
    return true;
}

bool FileReader::Seek(int32_t position) {
    if (!IsOpen()) return false;
    if (position < 0 || position >= totalSize_) {
        ShowMessage("ファイルポインタ変更エラー　%d", position);
        return false;
    }
    if (!file_.Seek(static_cast<uint32_t>(position))) return false;
    position_ = position;
    return true;
}

void FileReader::Close() {
    file_.Close();
    position_ = 0;
    totalSize_ = 0;
}
