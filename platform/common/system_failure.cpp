#include "platform/system_failure.h"

namespace platform {
namespace detail {

// What the backend knows: the thread's error code now, and the system's words for a code.
uint32_t CurrentSystemErrorCode();
std::string SystemErrorWords(uint32_t code);

namespace {

thread_local SystemFailure lastFailure;

}  // namespace

void RecordSystemFailure(const char* call) { RecordSystemFailureCode(call, CurrentSystemErrorCode()); }

void RecordSystemFailureCode(const char* call, uint32_t code) { lastFailure = {call, code, SystemErrorWords(code)}; }

void RecordSystemFailureText(const char* call, const char* text, uint32_t code) {
    lastFailure = {call, code, text ? text : ""};
}

}  // namespace detail

SystemFailure LastSystemFailure() { return detail::lastFailure; }

std::string DescribeLastSystemFailure() {
    const SystemFailure& failure = detail::lastFailure;
    if (failure.call == nullptr) return "";
    std::string text = std::string(failure.call) + " failed";
    if (failure.code != 0) text += ": error " + std::to_string(failure.code);
    if (!failure.words.empty()) text += (failure.code != 0 ? " (" + failure.words + ")" : ": " + failure.words);
    return text;
}

}  // namespace platform
