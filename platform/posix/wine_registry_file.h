#pragma once

#include <string>
#include <string_view>

namespace platform::detail {

struct WineRegistryLookup {
    bool keyFound = false;
    bool hasDefaultValue = false;
    // As RegQueryValueExA returns it: text values in UTF-8 with their terminating NUL, binary and
    // dword values as their bytes.
    std::string defaultValue;
};

// Looks a key up in the text of a Wine registry file ("WINE REGISTRY Version 2": sections
// "[Software\\Game] time" followed by value lines such as @="C:\\Game\\"). keyPath is relative to
// the file's root, backslash-separated, compared without regard to ASCII case; a key exists when it
// or a key below it has a section. Any text is accepted; what cannot be parsed is skipped.
WineRegistryLookup FindWineRegistryKey(std::string_view fileText, std::string_view keyPath);

}  // namespace platform::detail
