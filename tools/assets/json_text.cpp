#include "tools/assets/json_text.h"

namespace assetkit {
namespace {

// The library's message without its exception name, and without the bytes it read last, which
// may be the very bytes that are not text.
std::string Words(const char* what) {
    std::string words = what;
    if (const size_t name = words.find("] "); words.rfind("[json.exception.", 0) == 0 && name != std::string::npos) {
        words.erase(0, name + 2);
    }
    if (const size_t last = words.find("; last read:"); last != std::string::npos) words.erase(last);
    return words;
}

}  // namespace

bool ParseJson(const std::string& text, Json* value, std::string* error) {
    try {
        *value = Json::parse(text);
        return true;
    } catch (const Json::exception& failure) {
        *error = Words(failure.what());
        return false;
    }
}

bool FormatJson(const Json& value, std::string* text, std::string* error) {
    try {
        *text = value.dump(2) + "\n";
        return true;
    } catch (const Json::exception& failure) {
        *error = Words(failure.what());
        return false;
    }
}

const std::string* TextMember(const Json& object, const char* key) {
    if (!object.is_object()) return nullptr;
    const auto found = object.find(key);
    return found != object.end() && found->is_string() ? &found->get_ref<const std::string&>() : nullptr;
}

}  // namespace assetkit
