#include "demo/assets/movie_file.h"

#include <cstring>
#include <new>

#include "platform/byte_reader.h"

namespace {

constexpr int32_t kFullWidth = 640;
constexpr int32_t kFullHeight = 480;
constexpr int32_t kSmallWidth = 240;
constexpr int32_t kSmallHeight = 180;
constexpr int32_t kRecordSize = 8;

}  // namespace

bool MovieFile::Open(platform::Window mainWindow) { return OpenFiles(mainWindow, "Prelo.moz", "PreloM.moz"); }

bool MovieFile::OpenFiles(platform::Window mainWindow, const char* fullName, const char* smallName) {
    // A DIB of an earlier, other-sized movie would survive Create; start from nothing.
    Close();
    window_ = mainWindow;
    if (reader_.Open(fullName)) {
        fullSize_ = true;
    } else if (reader_.Open(smallName)) {
        fullSize_ = false;
    } else {
        return false;
    }
    width_ = fullSize_ ? kFullWidth : kSmallWidth;
    height_ = fullSize_ ? kFullHeight : kSmallHeight;
    if (!surface_.Create(window_, width_, height_ + kPaletteRows, 8)) return false;

    uint8_t header[20];
    if (!reader_.Read(header, 4) || std::memcmp(header, "MOZ1", 4) != 0) return false;
    // The frame count and the three unused words are four reads of their own, so a file that
    // ends inside them reports the one that failed.
    for (int word = 1; word < 5; ++word) {
        if (!reader_.Read(header + 4 * word, 4)) return false;
    }
    const int32_t count = platform::ByteReader(header + 4, 4).I32();
    if (count <= 0) return false;
    // Check that the index is in the file before allocating for it, so that a wild count
    // costs a message and not a huge allocation.
    const int64_t indexBytes = static_cast<int64_t>(count) * kRecordSize;
    if (!reader_.CheckRead(indexBytes)) return false;
    auto* index = new (std::nothrow) uint8_t[static_cast<size_t>(indexBytes)];
    if (index == nullptr) return false;
    bool read = reader_.Read(index, static_cast<int32_t>(indexBytes));
    if (read) {
        entries_ = new (std::nothrow) MovieFrameEntry[static_cast<size_t>(count)];
        read = entries_ != nullptr;
    }
    if (read) {
        entryCapacity_ = count;
        platform::ByteReader records(index, static_cast<size_t>(indexBytes));
        for (int32_t i = 0; i < count; ++i) {
            entries_[i].offset = records.I32();
            entries_[i].size = records.I32();
        }
        // Set last: a frame count without its index would let FetchFrame read a missing table.
        frameCount_ = count;
    }
    delete[] index;
    return read;
}

void MovieFile::Close() {
    reader_.Close();
    surface_.Release();
    delete[] entries_;
    entries_ = nullptr;
    entryCapacity_ = 0;
    frameCount_ = 0;
}

bool MovieFile::FetchFrame(int32_t index, ByteBuffer& buffer) {
    if (index < 0 || index >= frameCount_ || index >= entryCapacity_) return false;
    const MovieFrameEntry& entry = entries_[index];
    if (entry.size <= 0) return false;
    // Seek and bounds first: a size that cannot be in the file is refused before it is allocated.
    if (!reader_.Seek(entry.offset) || !reader_.CheckRead(entry.size)) return false;
    if (!buffer.Allocate(static_cast<uint32_t>(entry.size))) return false;
    return reader_.Read(buffer.data, entry.size);
}
