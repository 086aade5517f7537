#include "platform/registry.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "wine_prefix.h"
#include "wine_registry_file.h"

namespace platform {
namespace {

struct OpenKey {
    bool hasDefaultValue = false;
    std::string defaultValue;
};

}  // namespace

bool UserRegistryKey::Open(const char* path) {
    Close();
    if (path == nullptr) return false;
    std::ifstream file(detail::WinePrefixFolder() + "/user.reg", std::ios::binary);
    if (!file) return false;
    const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    detail::WineRegistryLookup lookup = detail::FindWineRegistryKey(text, path);
    if (!lookup.keyFound) return false;
    handle_ = new OpenKey{lookup.hasDefaultValue, std::move(lookup.defaultValue)};
    return true;
}

bool UserRegistryKey::QueryDefaultValue(void* buffer, uint32_t size) {
    auto* key = static_cast<OpenKey*>(handle_);
    if (key == nullptr || buffer == nullptr || !key->hasDefaultValue || key->defaultValue.size() > size) return false;
    std::memcpy(buffer, key->defaultValue.data(), key->defaultValue.size());
    return true;
}

void UserRegistryKey::Close() {
    delete static_cast<OpenKey*>(handle_);
    handle_ = nullptr;
}

}  // namespace platform
