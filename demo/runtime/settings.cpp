#include "demo/runtime/settings.h"

#include <cctype>

#include "demo/runtime/byte_buffer.h"
#include "demo/runtime/demo_context.h"

namespace {

constexpr const char* kSettingsFile = "Prelo.ini";

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

void DemoContext::LoadSettings() {
    ByteBuffer file;
    if (!file.ReadWholeFile(kSettingsFile)) return;
    // One byte more, zeroed, so the scan stops inside the buffer whatever the file holds.
    if (!file.Resize(file.size + 1)) return;
    file.data[file.size - 1] = 0;
    int32_t number = 0;
    if (ScanDecimal(reinterpret_cast<const char*>(file.data), &number)) hostSound.musicNumber = number;
}
