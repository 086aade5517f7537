#include "platform/registry.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "platform/system_failure.h"

namespace platform {

bool UserRegistryKey::Open(const char* path) {
    Close();
    if (path == nullptr) return false;
    HKEY key = nullptr;
    const LONG opened = ::RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key);
    if (opened != ERROR_SUCCESS) {
        detail::RecordSystemFailureCode("RegOpenKeyExA", static_cast<uint32_t>(opened));
        return false;
    }
    handle_ = key;
    return true;
}

bool UserRegistryKey::QueryDefaultValue(void* buffer, uint32_t size) {
    if (!IsOpen() || buffer == nullptr) return false;
    // The system may scribble on the buffer when the value does not fit; read into a scratch copy
    // so the caller's buffer only ever receives a whole value.
    std::vector<BYTE> scratch(size);
    DWORD got = size;
    if (::RegQueryValueExA(static_cast<HKEY>(handle_), nullptr, nullptr, nullptr, scratch.data(), &got) !=
            ERROR_SUCCESS ||
        got > size) {
        return false;
    }
    std::copy(scratch.begin(), scratch.begin() + got, static_cast<BYTE*>(buffer));
    return true;
}

void UserRegistryKey::Close() {
    if (IsOpen()) ::RegCloseKey(static_cast<HKEY>(handle_));
    handle_ = nullptr;
}

}  // namespace platform
