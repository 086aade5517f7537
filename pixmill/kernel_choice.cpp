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
    return cpu_features::Widest("PIXMILL_FORCE_BASELINE", BaselineKernels(), Sse2Kernels(), Avx2Kernels());
}

int32_t AvailableKernelSets(const KernelSet** out, int32_t max) {
    const KernelSet* scalar = &ScalarKernelSet() == &BaselineKernels() ? nullptr : &ScalarKernelSet();
    const KernelSet* const candidates[] = {&BaselineKernels(), scalar, Sse2Kernels(), Avx2Kernels()};
    return cpu_features::Offered(candidates, out, max);
}

}  // namespace pixmill
