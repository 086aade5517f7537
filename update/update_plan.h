#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace update {

// What one run of the updater works from. Texts are in the narrow code page of the build.
struct UpdatePlan {
    std::string sourceFolder;     // the updater's own folder, ending in a backslash, or empty for the current one
    std::string installFolder;    // from the registry, used unchanged
    std::string registryKeyPath;  // below HKEY_CURRENT_USER
    std::vector<std::string> updateFiles;
};

// Whether a byte starts a two-byte character of the text's code page.
using LeadByteTest = bool (*)(uint8_t byte);

}  // namespace update
