#include "demo/base/byte_buffer.h"

#include <cstdlib>
#include <cstring>

#include "platform/file.h"

bool ByteBuffer::Allocate(uint32_t n) {
    if (n == 0) return false;
    Free();
    data = static_cast<uint8_t*>(std::malloc(n));
    if (data == nullptr) return false;
    size = n;
    return true;
}

bool ByteBuffer::Resize(uint32_t n) {
    if (n == 0) return false;
    if (data == nullptr) return Allocate(n);
    auto* grown = static_cast<uint8_t*>(std::malloc(n));
    if (grown == nullptr) return false;
    std::memcpy(grown, data, size < n ? size : n);
    std::free(data);
    data = grown;
    size = n;
    return true;
}

void ByteBuffer::Free() {
    std::free(data);
    data = nullptr;
    size = 0;
}

bool ByteBuffer::ReadWholeFile(const char* name) {
    platform::ReadFile file;
    if (!file.Open(name)) return false;
    uint32_t fileSize = 0;
    if (!file.Size(&fileSize)) return false;
    Free();
    if (fileSize == 0) return true;
    if (!Allocate(fileSize)) return false;
    uint32_t got = 0;
    return file.Read(data, fileSize, &got) && got == fileSize;
}
