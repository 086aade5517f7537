#include "platform/file_copy.h"

#include <windows.h>

#include <cstring>

#include "platform/system_failure.h"

namespace platform {

bool CopyFileOverwriting(const char* source, const char* destination) {
    if (::CopyFileA(source, destination, FALSE) != FALSE) return true;
    detail::RecordSystemFailure("CopyFileA");
    return false;
}

bool NameFitsPathLimit(const char* name) { return std::strlen(name) < MAX_PATH; }  // the narrow calls' limit

bool MoveFileReplacing(const char* from, const char* to) {
    // Windows refuses to replace a read-only file; Wine run by root does not, so ask first.
    DWORD existing = ::GetFileAttributesA(to);
    if (existing != INVALID_FILE_ATTRIBUTES && (existing & FILE_ATTRIBUTE_READONLY) != 0) {
        detail::RecordSystemFailureCode("MoveFileExA", ERROR_ACCESS_DENIED);
        return false;
    }
    if (::MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING) != FALSE) return true;
    detail::RecordSystemFailure("MoveFileExA");
    return false;
}

bool DeleteFileNamed(const char* name) { return ::DeleteFileA(name) != FALSE; }

bool ReadFileAttributes(const char* name, uint32_t* attributes) {
    DWORD found = ::GetFileAttributesA(name);
    if (found == INVALID_FILE_ATTRIBUTES) return false;
    *attributes = found;
    return true;
}

bool WriteFileAttributes(const char* name, uint32_t attributes) {
    return ::SetFileAttributesA(name, attributes) != FALSE;
}

}  // namespace platform
