#include "platform/file_name.h"

#include <dirent.h>
#include <sys/stat.h>

#include <cctype>
#include <memory>

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

// Only A-Z fold: what matters for names written on Windows, and the same in every locale.
bool SameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        const auto x = static_cast<unsigned char>(a[i]);
        const auto y = static_cast<unsigned char>(b[i]);
        if (x != y && (x >= 0x80 || y >= 0x80 || std::tolower(x) != std::tolower(y))) return false;
    }
    return true;
}

// The entry of folder that is part in another case; empty when there is none.
std::string EntryIgnoringCase(const std::string& folder, std::string_view part) {
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.empty() ? "." : folder.c_str()), ::closedir);
    if (!dir) return {};
    std::string found;
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string_view name = entry->d_name;
        // The directory's own order varies between file systems; byte order does not.
        if (SameIgnoringCase(name, part) && (found.empty() || name < found)) found = name;
    }
    return found;
}

}  // namespace

std::string FileNameAsFound(std::string_view name) {
    std::string given(name);
    if (given.empty() || Exists(given)) return given;
    std::string found;
    size_t start = 0;
    bool matching = true;  // once a part is found in no case, nothing below it exists either
    while (start <= given.size()) {
        size_t end = given.find('/', start);
        if (end == std::string::npos) end = given.size();
        const std::string_view part = std::string_view(given).substr(start, end - start);
        const std::string folder = found;
        found += part;
        if (matching && !part.empty() && part != "." && part != ".." && !Exists(found)) {
            const std::string entry = EntryIgnoringCase(folder, part);
            if (entry.empty()) {
                matching = false;
            } else {
                found = folder + entry;
            }
        }
        if (end < given.size()) found += '/';
        start = end + 1;
    }
    return found;
}

std::string NativeFileName(std::string_view windowsName) {
    std::string native;
    if (windowsName.size() >= 2 && windowsName[1] == ':' && std::isalpha(static_cast<unsigned char>(windowsName[0]))) {
        native = DriveRoot(windowsName[0]);
        windowsName.remove_prefix(2);
    }
    for (char c : windowsName) native += c == '\\' ? '/' : c;
    return FileNameAsFound(native);
}

}  // namespace platform
