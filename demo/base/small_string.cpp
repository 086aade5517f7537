#include "demo/base/small_string.h"

#include <cstdlib>
#include <cstring>

namespace {

char* CopyOf(const char* text, size_t length) {
    auto* block = static_cast<char*>(std::malloc(length + 1));
    if (block == nullptr) return nullptr;
    std::memcpy(block, text, length);
    block[length] = '\0';
    return block;
}

}  // namespace

SmallString::SmallString(const char* text) {
    const char* source = text != nullptr ? text : "";
    const size_t length = std::strlen(source);
    data = CopyOf(source, length);
    if (data != nullptr) capacity = static_cast<uint32_t>(length + 1);
}

void SmallString::Assign(const char* text) {
    if (capacity == 0 || data == nullptr) return;
    if (text == nullptr || text[0] == '\0') {
        data[0] = '\0';
        return;
    }
    const size_t length = std::strlen(text);
    if (capacity < length + 1) {
        // On allocation failure the old text stays, whole and terminated.
        char* grown = CopyOf(text, length);
        if (grown == nullptr) return;
        std::free(data);
        data = grown;
        capacity = static_cast<uint32_t>(length + 1);
        return;
    }
    std::memcpy(data, text, length + 1);
}

void SmallString::Free() {
    std::free(data);
    data = nullptr;
    capacity = 0;
}
