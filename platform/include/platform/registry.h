#pragma once

#include <cstdint>

namespace platform {

// A key of the current user's registry opened for reading. Linux reads the current user's values
// from a Wine registry file, $WINEPREFIX/user.reg (~/.wine/user.reg when WINEPREFIX is unset), so
// the keys of a game installed under Wine are found.
class UserRegistryKey {
public:
    UserRegistryKey() = default;
    ~UserRegistryKey() { Close(); }
    UserRegistryKey(const UserRegistryKey&) = delete;
    UserRegistryKey& operator=(const UserRegistryKey&) = delete;

    // Opens HKEY_CURRENT_USER\path; path uses backslashes. False when the key does not exist.
    bool Open(const char* path);
    // Copies the key's default value into buffer as RegQueryValueEx does (text in the narrow
    // encoding with its terminating NUL when the value is text). False when the key has no default
    // value or the value needs more than size bytes; the buffer is then left untouched.
    bool QueryDefaultValue(void* buffer, uint32_t size);
    void Close();
    bool IsOpen() const { return handle_ != nullptr; }

private:
    void* handle_ = nullptr;
};

}  // namespace platform
