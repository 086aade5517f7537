#pragma once

#include <cstdint>

#include "platform/file.h"

// Sequential reading of one file that never goes past its end: every read and seek is checked
// against the size taken at opening, and a refused one shows the reader's message.
class FileReader {
public:
    FileReader() = default;
    FileReader(const FileReader&) = delete;
    FileReader& operator=(const FileReader&) = delete;

    // Files of 2 GiB or more are refused: positions are signed 32-bit.
    bool Open(const char* name);
    // Reads exactly count bytes at the current position.
    bool Read(void* destination, int32_t count);
    bool Seek(int32_t position);
    void Close();

    // True when count more bytes lie between the position and the end; otherwise shows the read
    // message, as a read of that many bytes would.
    bool CheckRead(int64_t count) const;

    bool IsOpen() const { return file_.IsOpen(); }
    int32_t Position() const { return position_; }
    int32_t TotalSize() const { return totalSize_; }

private:
    platform::ReadFile file_;
    int32_t position_ = 0;
    int32_t totalSize_ = 0;
};
