#include <windows.h>

#include <string>

namespace platform::detail {

uint32_t CurrentSystemErrorCode() { return ::GetLastError(); }

std::string SystemErrorWords(uint32_t code) {
    char text[512] = {};
    const DWORD length = ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                                          text, sizeof text, nullptr);
    std::string words(text, length);
    while (!words.empty() && (words.back() == '\n' || words.back() == '\r' || words.back() == ' ')) words.pop_back();
    return words;
}

}  // namespace platform::detail
