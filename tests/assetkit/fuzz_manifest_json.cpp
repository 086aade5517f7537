// The manifest reader on any text: a value or a reason, never a crash, whatever the nesting.
#include <cstddef>
#include <cstdint>
#include <string>

#include "tools/assets/json.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    assetkit::JsonValue value;
    std::string error;
    (void)assetkit::ParseJson(std::string(reinterpret_cast<const char*>(data), size), &value, &error);
    return 0;
}
