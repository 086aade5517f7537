#include "platform/file.h"

#include <windows.h>

#include "platform/system_failure.h"

namespace platform {

ReadFile& ReadFile::operator=(ReadFile&& other) noexcept {
    if (this != &other) {
        Close();
        handle_ = other.handle_;
        other.handle_ = kNoHandle;
    }
    return *this;
}

bool ReadFile::Open(const char* name) {
    Close();
    if (name == nullptr) return false;
    HANDLE file =
        ::CreateFileA(name, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        detail::RecordSystemFailure("CreateFileA");
        return false;
    }
    handle_ = reinterpret_cast<intptr_t>(file);
    return true;
}

bool ReadFile::Size(uint32_t* size) const {
    if (!IsOpen()) return false;
    DWORD high = 0;
    DWORD low = ::GetFileSize(reinterpret_cast<HANDLE>(handle_), &high);
    if (low == INVALID_FILE_SIZE && ::GetLastError() != NO_ERROR) return false;
    if (high != 0) return false;
    *size = low;
    return true;
}

bool ReadFile::Read(void* buffer, uint32_t count, uint32_t* got) {
    *got = 0;
    if (!IsOpen()) return false;
    DWORD read = 0;
    if (!::ReadFile(reinterpret_cast<HANDLE>(handle_), buffer, count, &read, nullptr)) {
        detail::RecordSystemFailure("ReadFile");
        return false;
    }
    *got = read;
    return true;
}

bool ReadFile::Seek(uint32_t offset) {
    if (!IsOpen()) return false;
    LONG high = 0;
    DWORD result = ::SetFilePointer(reinterpret_cast<HANDLE>(handle_), static_cast<LONG>(offset), &high, FILE_BEGIN);
    return !(result == INVALID_SET_FILE_POINTER && ::GetLastError() != NO_ERROR);
}

void ReadFile::Close() {
    if (IsOpen()) ::CloseHandle(reinterpret_cast<HANDLE>(handle_));
    handle_ = kNoHandle;
}

}  // namespace platform
