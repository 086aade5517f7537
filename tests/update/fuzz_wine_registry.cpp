// The Wine registry file reader on any text, looking up keys of every shape: the updater's own,
// one below it, the root, and one made of the input's first bytes.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "wine_registry_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (std::string_view key : {std::string_view("Software\\Corvane\\Game"), std::string_view("Software\\Corvane"),
                                 std::string_view(""), text.substr(0, 24)}) {
        const auto found = platform::detail::FindWineRegistryKey(text, key);
        if (found.hasDefaultValue && !found.keyFound) __builtin_trap();
    }
    return 0;
}
