#include "platform/process_path.h"

#include <limits.h>
#include <unistd.h>

namespace platform {

std::string ExecutableFolder() {
    char path[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) return std::string();
    std::string full(path, static_cast<size_t>(length));
    const size_t slash = full.rfind('/');
    return slash == std::string::npos ? std::string() : full.substr(0, slash);
}

std::string CurrentFolder() {
    char path[PATH_MAX];
    return ::getcwd(path, sizeof path) != nullptr ? std::string(path) : std::string();
}

bool ChangeCurrentFolder(const char* path) { return path != nullptr && ::chdir(path) == 0; }

char PathSeparator() { return '/'; }

}  // namespace platform
