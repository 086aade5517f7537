#include "host/player/user_folders.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace player {
namespace {

// An environment folder only counts when absolute, as the XDG rules have it.
std::string FromEnvironment(const char* variable, const char* below, const char* homeFallback) {
    const char* value = std::getenv(variable);
    if (value != nullptr && value[0] == '/') return std::string(value) + below;
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] != '/') return std::string();
    return std::string(home) + homeFallback + below;
}

}  // namespace

std::string SettingsFilePath() { return FromEnvironment("XDG_CONFIG_HOME", "/prelo/player.ini", "/.config"); }

std::string ScreenshotFolder() { return FromEnvironment("XDG_PICTURES_DIR", "/Prelo", "/Pictures"); }

bool MakeFolders(const std::string& path, std::string* error) {
    if (path.empty()) {
        *error = "no folder given";
        return false;
    }
    for (size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string part = path.substr(0, slash);
        struct stat info {};
        if (::stat(part.c_str(), &info) == 0) {
            if (!S_ISDIR(info.st_mode)) {
                *error = part + " is not a folder";
                return false;
            }
        } else if (::mkdir(part.c_str(), 0755) != 0 && errno != EEXIST) {
            *error = "cannot make " + part + ": " + std::strerror(errno);
            return false;
        }
        if (slash == std::string::npos) return true;
    }
}

}  // namespace player
