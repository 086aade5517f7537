#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace platform {

// The one reader of outside bytes: little-endian fields from a span, never past its end. A read
// that would pass the end gives zero and marks the reader failed, and so does every read after
// it, so a parser reads its fields and asks once whether they were all there.
class ByteReader {
public:
    ByteReader(const uint8_t* data, size_t size) : data_(data), size_(data == nullptr ? 0 : size) {}

    uint8_t U8() { return static_cast<uint8_t>(Field(1)); }
    uint16_t U16() { return static_cast<uint16_t>(Field(2)); }
    uint32_t U32() { return static_cast<uint32_t>(Field(4)); }
    int32_t I32() { return static_cast<int32_t>(U32()); }

    // Copies n bytes out; on failure out is zeroed.
    bool Bytes(void* out, size_t n) {
        if (!Has(n)) {
            std::memset(out, 0, n);
            return Fail();
        }
        std::memcpy(out, data_ + at_, n);
        at_ += n;
        return true;
    }
    // Whether the next bytes are these, consuming them when they are (a magic, a chunk name).
    bool Expect(const char* text, size_t n) {
        if (!Has(n) || std::memcmp(data_ + at_, text, n) != 0) return Fail();
        at_ += n;
        return true;
    }
    bool Skip(size_t n) {
        if (!Has(n)) return Fail();
        at_ += n;
        return true;
    }
    // Moves to an absolute position; past the end fails.
    bool Seek(size_t position) {
        if (failed_ || position > size_) return Fail();
        at_ = position;
        return true;
    }

    bool Failed() const { return failed_; }
    size_t Position() const { return at_; }
    size_t Size() const { return size_; }
    size_t Remaining() const { return failed_ ? 0 : size_ - at_; }
    // Whether n more bytes are there; n is 64 bits wide so that a count times a record size
    // cannot wrap in a 32-bit build.
    bool Has(uint64_t n) const { return !failed_ && n <= size_ - at_; }

private:
    uint64_t Field(size_t n) {
        if (!Has(n)) {
            Fail();
            return 0;
        }
        uint64_t value = 0;
        for (size_t i = 0; i < n; ++i) value |= static_cast<uint64_t>(data_[at_ + i]) << (8 * i);
        at_ += n;
        return value;
    }
    bool Fail() {
        failed_ = true;
        return false;
    }

    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
    bool failed_ = false;
};

}  // namespace platform
