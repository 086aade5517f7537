#include "platform/file_write.h"

#include <windows.h>

#include <algorithm>
#include <string>

#include "platform/system_failure.h"

namespace platform {
namespace {

bool WriteAll(HANDLE file, const char* data, size_t size) {
    while (size > 0) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(size, 1u << 30));
        DWORD written = 0;
        if (!::WriteFile(file, data, chunk, &written, nullptr) || written == 0) return false;
        data += written;
        size -= written;
    }
    return true;
}

}  // namespace

bool WriteFileReplacing(const char* name, const void* data, size_t size) {
    if (name == nullptr || (data == nullptr && size > 0)) return false;
    const std::string partial = std::string(name) + ".partial";
    HANDLE file =
        ::CreateFileA(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        detail::RecordSystemFailure("CreateFileA");
        return false;
    }
    bool written = true;
    auto failed = [&written](const char* call) {  // recorded at once, before the error moves on
        detail::RecordSystemFailure(call);
        written = false;
    };
    if (!WriteAll(file, static_cast<const char*>(data), size)) failed("WriteFile");
    if (!::CloseHandle(file) && written) failed("CloseHandle");
    // rename() would not replace an existing file here; MoveFileEx does, in one step.
    if (written && !::MoveFileExA(partial.c_str(), name, MOVEFILE_REPLACE_EXISTING)) failed("MoveFileExA");
    if (written) return true;
    ::DeleteFileA(partial.c_str());
    return false;
}

}  // namespace platform
