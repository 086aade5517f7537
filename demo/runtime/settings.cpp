#include <cctype>

#include "demo/runtime/byte_buffer.h"
#include "demo/runtime/demo_context.h"

namespace {

constexpr const char* kSettingsFile = "Prelo.ini";

// Reads one decimal integer the way a "%d" conversion does: white space skipped, an optional
// sign, at least one digit. Out-of-range values wrap to 32 bits instead of being undefined.
bool ScanDecimal(const char* text, int32_t* value) {
    while (std::isspace(static_cast<unsigned char>(*text))) ++text;
    bool negative = false;
    if (*text == '+' || *text == '-') negative = *text++ == '-';
    if (!std::isdigit(static_cast<unsigned char>(*text))) return false;
    uint32_t magnitude = 0;
    while (std::isdigit(static_cast<unsigned char>(*text))) magnitude = magnitude * 10u + static_cast<uint32_t>(*text++ - '0');
    *value = static_cast<int32_t>(negative ? 0u - magnitude : magnitude);
    return true;
}

}  // namespace

void DemoContext::LoadSettings() {
    ByteBuffer file;
    if (!file.ReadWholeFile(kSettingsFile)) return;
    if (!file.Resize(file.size + 1)) return;
    file.data[file.size - 1] = 0;
    int32_t number = 0;
    if (ScanDecimal(reinterpret_cast<const char*>(file.data), &number)) hostSound.musicNumber = number;
}
