#pragma once

#include <cstdint>

// An owned block of bytes. Free may run any number of times.
struct ByteBuffer {
    uint8_t* data = nullptr;
    uint32_t size = 0;

    ByteBuffer() = default;
    ~ByteBuffer() { Free(); }
    ByteBuffer(const ByteBuffer&) = delete;
    ByteBuffer& operator=(const ByteBuffer&) = delete;

    // n = 0 fails; otherwise replaces the contents with n uninitialised bytes.
    bool Allocate(uint32_t n);
    // n = 0 fails; keeps the first min(size, n) bytes. A failure keeps the old block.
    bool Resize(uint32_t n);
    void Free();
    // Reads a whole file by name (opened for shared reading). A short read fails.
    bool ReadWholeFile(const char* name);
};
