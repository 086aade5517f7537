#pragma once

#include <nlohmann/json.hpp>
#include <string>

// JSON texts through nlohmann-json, with a reason where the library would throw: members keep
// the order they were written in, and every string is UTF-8 both ways.
namespace assetkit {

using Json = nlohmann::ordered_json;

// False with a reason (where in the text, and what) for anything but one complete value,
// strings that are not valid UTF-8 and escapes that name no character included.
bool ParseJson(const std::string& text, Json* value, std::string* error);

// The value as text, two spaces an indent level, ending with a newline. False with a reason
// when a string in it is not valid UTF-8, which JSON cannot carry.
bool FormatJson(const Json& value, std::string* text, std::string* error);

// The member key of an object when it is a string, else null.
const std::string* TextMember(const Json& object, const char* key);

}  // namespace assetkit
