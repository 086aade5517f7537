#pragma once

#include <cstddef>

namespace platform::detail {

// A source's bytes read to its end, in one block that grows as they arrive: the size a file
// reports is only a hint (files under /proc report none, and a file may grow while it is read).
// The backends' file copies use it; nothing above the platform does.
class ReadBuffer {
public:
    // expected: the size the source reports, so that a source of that size fills one block and
    // meets its end in the byte left over.
    explicit ReadBuffer(size_t expected) : capacity_(expected < kLeast ? kLeast : expected + 1) {}
    ~ReadBuffer();
    ReadBuffer(const ReadBuffer&) = delete;
    ReadBuffer& operator=(const ReadBuffer&) = delete;

    const char* Data() const { return data_; }
    size_t Size() const { return size_; }
    // Where the next bytes go, and in *room how many fit there (at most 1 MiB, so that every
    // system's read call takes it); null when memory ran out.
    char* Room(size_t* room);
    void Took(size_t count) { size_ += count; }

private:
    static constexpr size_t kLeast = 65536;
    char* data_ = nullptr;
    size_t size_ = 0;
    size_t capacity_;
};

}  // namespace platform::detail
