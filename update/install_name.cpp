#include "install_name.h"

namespace update {

bool StaysInsideInstallFolder(std::string_view installFolder, std::string_view name, LeadByteTest isLeadByte) {
    auto isSeparator = [](char c) { return c == '\\' || c == '/'; };
    if (installFolder.empty()) {
        if (!name.empty() && isSeparator(name[0])) return false;
        const bool driveLetter = name.size() >= 2 && name[1] == ':' &&
                                 ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= 'a' && name[0] <= 'z'));
        if (driveLetter) return false;
    }
    size_t componentStart = 0;
    for (size_t i = 0; i <= name.size(); ++i) {
        if (i < name.size() && isLeadByte(static_cast<uint8_t>(name[i]))) {
            ++i;  // the trail byte belongs to the character
            continue;
        }
        if (i == name.size() || isSeparator(name[i])) {
            if (name.substr(componentStart, i - componentStart) == "..") return false;
            componentStart = i + 1;
        }
    }
    return true;
}

}  // namespace update
