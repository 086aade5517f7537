#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

// What the processor and the operating system let a module run, asked directly of CPUID and
// XGETBV so that 32-bit and 64-bit builds decide alike. Built without instruction-set flags: it
// runs before anyone knows what the CPU supports. Shared by every module that picks SIMD kernels.
#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#endif

namespace cpu_features {

inline bool HasSse2() {
#if defined(__x86_64__) || defined(__i386__)
    unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
    if (!__get_cpuid(1, &eax, &ebx, &ecx, &edx)) return false;
    return (edx & bit_SSE2) != 0;
#else
    return false;
#endif
}

// AVX2 needs the instructions (CPUID leaf 7) and an OS that saves the YMM registers on a
// context switch (OSXSAVE set and XCR0 enabling both the XMM and the YMM state).
inline bool HasAvx2() {
#if defined(__x86_64__) || defined(__i386__)
    unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
    if (!__get_cpuid(1, &eax, &ebx, &ecx, &edx)) return false;
    if ((ecx & bit_OSXSAVE) == 0 || (ecx & bit_AVX) == 0) return false;
    unsigned xcr0Low = 0, xcr0High = 0;
    __asm__ volatile("xgetbv" : "=a"(xcr0Low), "=d"(xcr0High) : "c"(0));
    if ((xcr0Low & 6u) != 6u) return false;
    if (__get_cpuid_max(0, nullptr) < 7) return false;
    __cpuid_count(7, 0, eax, ebx, ecx, edx);
    return (ebx & bit_AVX2) != 0;
#else
    return false;
#endif
}

// True when the environment variable is set to anything but empty or "0": the switch that
// makes one binary run (and test) its baseline path.
inline bool SwitchedOn(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr && value[0] != '\0' && std::strcmp(value, "0") != 0;
}

// The kernel set a module runs: the widest one this build and CPU offer (a null set is one it
// lacks), unless the baseline switch keeps the baseline.
template <typename Set>
const Set& Widest(const char* baselineSwitch, const Set& baseline, const Set* sse2, const Set* avx2) {
    if (SwitchedOn(baselineSwitch)) return baseline;
    if (avx2 != nullptr) return *avx2;
    if (sse2 != nullptr) return *sse2;
    return baseline;
}

// Every set of candidates this build and CPU offer (the non-null ones), in order, at most max of
// them into out; their count. For tests and benchmarks that run each set.
template <typename Set, size_t N>
int32_t Offered(const Set* const (&candidates)[N], const Set** out, int32_t max) {
    int32_t count = 0;
    for (const Set* set : candidates)
        if (set != nullptr && count < max) out[count++] = set;
    return count;
}

}  // namespace cpu_features
