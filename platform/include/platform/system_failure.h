#pragma once

#include <cstdint>
#include <string>

namespace platform {

// The operating-system call that failed last on this thread, with the system's own error code
// and words, so that hosts and tools can say why a platform function answered false. The
// platform's functions themselves only answer true or false, as the demo expects of them. On
// Windows every module keeps its own record, as it keeps its own copy of these wrappers.
struct SystemFailure {
    const char* call = nullptr;  // "CreateFileA", "open", "dlopen"...; null when nothing failed
    uint32_t code = 0;           // GetLastError or errno; 0 where the call has no code (dlopen)
    std::string words;           // the system's description of the code, or the call's own text
};

SystemFailure LastSystemFailure();

// "CreateFileA failed: error 2 (The system cannot find the file specified.)", or empty.
std::string DescribeLastSystemFailure();

namespace detail {
// Records that call failed, with the thread's current error code (GetLastError or errno).
void RecordSystemFailure(const char* call);
// Records a call that returns its error code instead of leaving it with the thread (the registry's).
void RecordSystemFailureCode(const char* call, uint32_t code);
// Records a failure that carries its own text: instead of a code (dlopen's), or with a code whose
// words come from the call's own family rather than the system's table (MCI's error strings).
void RecordSystemFailureText(const char* call, const char* text, uint32_t code = 0);
}  // namespace detail

}  // namespace platform
