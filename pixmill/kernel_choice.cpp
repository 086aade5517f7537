// Built without instruction-set flags: it runs before anyone knows what the CPU supports.
#include "interfaces/cpu_features.h"
#include "pixmill/kernel_sets.h"

namespace pixmill {

const KernelSet& BaselineKernels() {
#if defined(PIXMILL_WITH_MMX_SSE)
    return MmxSseKernelSet();
#else
    return ScalarKernelSet();
#endif
}

const KernelSet* Sse2Kernels() {
#if defined(PIXMILL_WITH_SSE2)
    if (cpu_features::HasSse2()) return &Sse2KernelSet();
#endif
    return nullptr;
}

const KernelSet* Avx2Kernels() {
#if defined(PIXMILL_WITH_AVX2)
    if (cpu_features::HasAvx2()) return &Avx2KernelSet();
#endif
    return nullptr;
}

const KernelSet& ChooseKernels() {
    if (cpu_features::SwitchedOn("PIXMILL_FORCE_BASELINE")) return BaselineKernels();
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
