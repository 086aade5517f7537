#include "wine_prefix.h"

#include <cstdlib>

namespace platform::detail {

std::string WinePrefixFolder() {
    const char* prefix = std::getenv("WINEPREFIX");
    if (prefix != nullptr && *prefix != '\0') {
        std::string folder = prefix;
        while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
        return folder;
    }
    const char* home = std::getenv("HOME");
    return std::string(home != nullptr ? home : "") + "/.wine";
}

}  // namespace platform::detail
