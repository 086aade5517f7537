#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Just enough JSON for the folders' manifests: values are read whole, with nesting and sizes
// bounded, and written with the escapes the format requires.
namespace assetkit {

struct JsonMember;

struct JsonValue {
    enum class Kind { kNull, kBool, kNumber, kString, kArray, kObject } kind = Kind::kNull;
    bool boolean = false;
    double number = 0;
    std::string text;
    std::vector<JsonValue> items;
    std::vector<JsonMember> members;

    // The member of an object with this key, or null when there is none.
    const JsonValue* Find(const std::string& key) const;
};

struct JsonMember {
    std::string key;
    JsonValue value;
};

// False with a reason (and the byte position) for anything that is not one complete value.
bool ParseJson(const std::string& text, JsonValue* value, std::string* error);

// A string as a JSON literal, quotes included.
std::string JsonQuoted(const std::string& text);

}  // namespace assetkit
