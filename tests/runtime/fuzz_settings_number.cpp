#include <cstddef>
#include <cstdint>
#include <string>

#include "demo/base/decimal_scan.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    int32_t value = 0;
    ScanDecimal(text.c_str(), &value);
    return 0;
}
