#pragma once

#include <cstdint>

namespace platform {

// A file opened for reading. Opens an existing file only, shared for reading by others.
// Names are relative to the process's current folder unless absolute, and found whatever
// their letter case, as on Windows (see FileNameAsFound).
class ReadFile {
public:
    ReadFile() = default;
    ~ReadFile() { Close(); }
    ReadFile(const ReadFile&) = delete;
    ReadFile& operator=(const ReadFile&) = delete;
    ReadFile(ReadFile&& other) noexcept : handle_(other.handle_) { other.handle_ = kNoHandle; }
    ReadFile& operator=(ReadFile&& other) noexcept;

    bool Open(const char* name);
    bool IsOpen() const { return handle_ != kNoHandle; }
    // False when the size cannot be read or exceeds 32 bits.
    bool Size(uint32_t* size) const;
    // Reads up to count bytes; *got receives how many arrived. False on an error.
    bool Read(void* buffer, uint32_t count, uint32_t* got);
    // Moves to an absolute offset from the start.
    bool Seek(uint32_t offset);
    void Close();

private:
    static constexpr intptr_t kNoHandle = -1;
    intptr_t handle_ = kNoHandle;
};

}  // namespace platform
