// Built without instruction-set flags: it runs before anyone knows what the CPU supports.
#include <cstdlib>
#include <cstring>

#include "pixmill/kernel_sets.h"

namespace pixmill {

namespace {

[[maybe_unused]] bool CpuSupports([[maybe_unused]] const char* feature) {
#if defined(__x86_64__) || defined(__i386__)
    __builtin_cpu_init();
    if (std::strcmp(feature, "sse2") == 0) return __builtin_cpu_supports("sse2");
    if (std::strcmp(feature, "avx2") == 0) return __builtin_cpu_supports("avx2");
#endif
    return false;
}

bool BaselineForced() {
    const char* value = std::getenv("PIXMILL_FORCE_BASELINE");
    return value != nullptr && value[0] != '\0' && std::strcmp(value, "0") != 0;
}

}  // namespace

const KernelSet& BaselineKernels() {
#if defined(PIXMILL_WITH_MMX_SSE)
    return MmxSseKernelSet();
#else
    return ScalarKernelSet();
#endif
}

const KernelSet* Sse2Kernels() {
#if defined(PIXMILL_WITH_SSE2)
    if (CpuSupports("sse2")) return &Sse2KernelSet();
#endif
    return nullptr;
}

const KernelSet* Avx2Kernels() {
#if defined(PIXMILL_WITH_AVX2)
    if (CpuSupports("avx2")) return &Avx2KernelSet();
#endif
    return nullptr;
}

const KernelSet& ChooseKernels() {
    if (BaselineForced()) return BaselineKernels();
    if (const KernelSet* avx2 = Avx2Kernels()) return *avx2;
    if (const KernelSet* sse2 = Sse2Kernels()) return *sse2;
    return BaselineKernels();
}

int32_t AvailableKernelSets(const KernelSet** out, int32_t max) {
    const KernelSet* scalar = &ScalarKernelSet() == &BaselineKernels() ? nullptr : &ScalarKernelSet();
    const KernelSet* candidates[] = {&BaselineKernels(), scalar, Sse2Kernels(), Avx2Kernels()};
    int32_t count = 0;
    for (const KernelSet* set : candidates)
        if (set != nullptr && count < max) out[count++] = set;
    return count;
}

}  // namespace pixmill
