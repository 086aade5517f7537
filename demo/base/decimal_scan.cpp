#include "demo/base/decimal_scan.h"

#include <cctype>

namespace {

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

}  // namespace

bool ScanDecimal(const char* text, int32_t* value) {
    if (text == nullptr || value == nullptr) return false;
    while (std::isspace(static_cast<unsigned char>(*text))) ++text;
    bool negative = false;
    if (*text == '+' || *text == '-') negative = *text++ == '-';
    if (!IsDigit(*text)) return false;
    uint32_t magnitude = 0;
    for (; IsDigit(*text); ++text) magnitude = magnitude * 10u + static_cast<uint32_t>(*text - '0');
    *value = static_cast<int32_t>(negative ? 0u - magnitude : magnitude);
    return true;
}
