#include <windows.h>

#include "platform/file_copy.h"

namespace platform {

bool CopyFileOverwriting(const char* source, const char* destination) {
    return ::CopyFileA(source, destination, FALSE) != FALSE;
}

bool MoveFileReplacing(const char* from, const char* to) {
    return ::MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING) != FALSE;
}

bool DeleteFileNamed(const char* name) { return ::DeleteFileA(name) != FALSE; }

bool GetFileAttributes(const char* name, uint32_t* attributes) {
    DWORD found = ::GetFileAttributesA(name);
    if (found == INVALID_FILE_ATTRIBUTES) return false;
    *attributes = found;
    return true;
}

bool SetFileAttributes(const char* name, uint32_t attributes) { return ::SetFileAttributesA(name, attributes) != FALSE; }

}  // namespace platform
