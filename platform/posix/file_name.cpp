#include "platform/file_name.h"

#include <sys/stat.h>

#include <cctype>

#include "wine_prefix.h"

namespace platform {
namespace {

bool Exists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

// The Linux folder behind a drive letter, without a trailing separator.
std::string DriveRoot(char letter) {
    const char drive = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
    const std::string prefix = detail::WinePrefixFolder();
    std::string link = prefix + "/dosdevices/" + drive + ":";
    if (Exists(link)) return link;
    if (drive == 'z') return {};
    if (drive == 'c') return prefix + "/drive_c";
    return link;
}

}  // namespace

std::string NativeFileName(std::string_view windowsName) {
    std::string native;
    if (windowsName.size() >= 2 && windowsName[1] == ':' && std::isalpha(static_cast<unsigned char>(windowsName[0]))) {
        native = DriveRoot(windowsName[0]);
        windowsName.remove_prefix(2);
    }
    for (char c : windowsName) native += c == '\\' ? '/' : c;
    return native;
}

}  // namespace platform
