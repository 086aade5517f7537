#include "platform/process_path.h"

#include <windows.h>

namespace platform {

std::string ExecutableFolder() {
    char path[MAX_PATH];
    const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return std::string();
    std::string full(path, length);
    const size_t slash = full.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : full.substr(0, slash);
}

std::string CurrentFolder() {
    char path[MAX_PATH];
    const DWORD length = ::GetCurrentDirectoryA(MAX_PATH, path);
    return length == 0 || length >= MAX_PATH ? std::string() : std::string(path, length);
}

bool ChangeCurrentFolder(const char* path) { return path != nullptr && ::SetCurrentDirectoryA(path) != 0; }

char PathSeparator() { return '\\'; }

}  // namespace platform
