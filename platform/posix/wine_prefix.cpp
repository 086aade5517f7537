#include "wine_prefix.h"

#include <cstdlib>

namespace platform::detail {

std::string WinePrefixFolder() {
    const char* prefix = std::getenv("WINEPREFIX");
    if (prefix != nullptr && *prefix != '\0') return prefix;
    const char* home = std::getenv("HOME");
    return std::string(home != nullptr ? home : "") + "/.wine";
}

}  // namespace platform::detail
