#include "platform/read_buffer.h"

#include <cstdint>
#include <cstdlib>

namespace platform::detail {

ReadBuffer::~ReadBuffer() { std::free(data_); }

char* ReadBuffer::Room(size_t* room) {
    constexpr size_t kMostPerRead = size_t{1} << 20;
    if (data_ == nullptr || size_ == capacity_) {
        if (data_ != nullptr) {
            if (capacity_ > SIZE_MAX / 2) return nullptr;
            capacity_ *= 2;
        }
        void* grown = std::realloc(data_, capacity_);
        if (grown == nullptr) return nullptr;
        data_ = static_cast<char*>(grown);
    }
    const size_t free = capacity_ - size_;
    *room = free < kMostPerRead ? free : kMostPerRead;
    return data_ + size_;
}

}  // namespace platform::detail
