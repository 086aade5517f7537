#pragma once

#include <cstdint>

// An owned NUL-terminated text. The block only grows: assigning a text that fits reuses it.
// Free may run any number of times.
struct SmallString {
    char* data = nullptr;
    uint32_t capacity = 0;

    // A null text gives the empty text in a 1-byte block.
    explicit SmallString(const char* text = nullptr);
    ~SmallString() { Free(); }
    SmallString(const SmallString&) = delete;
    SmallString& operator=(const SmallString&) = delete;

    // Does nothing once the block is gone (capacity 0): an assignment never resurrects a freed
    // text. Null or empty text empties the existing block.
    void Assign(const char* text);
    void Free();
    const char* Text() const { return data != nullptr ? data : ""; }
};
