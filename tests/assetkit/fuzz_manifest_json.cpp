// The manifest reader on any text: a value or a reason, never a crash, whatever the nesting; and
// whatever it reads it can write back.
#include <cstddef>
#include <cstdint>
#include <string>

#include "tools/assets/json_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    assetkit::Json value;
    std::string error, text;
    if (assetkit::ParseJson(std::string(reinterpret_cast<const char*>(data), size), &value, &error) &&
        !assetkit::FormatJson(value, &text, &error)) {
        __builtin_trap();  // a string that was read as UTF-8 must write as UTF-8
    }
    return 0;
}
