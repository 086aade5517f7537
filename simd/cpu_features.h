#pragma once

#include <cstdlib>
#include <cstring>

// What the processor and the operating system let a module run, asked directly of CPUID and
// XGETBV so that 32-bit and 64-bit builds decide alike. Included only by files built with the
// build's baseline flags (kernel_choice.h): it runs before anyone knows what the CPU supports.
#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#endif

namespace simd {

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

// WebAssembly SIMD is chosen when the module is built: a browser without it does not load the
// module at all (the page says so), so a build with it runs it everywhere.
inline bool HasWasmSimd128() {
#if defined(__wasm_simd128__)
    return true;
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

}  // namespace simd
