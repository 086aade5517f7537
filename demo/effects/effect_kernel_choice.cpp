// Built without instruction-set flags: it runs before anyone knows what the CPU supports.
#include "demo/effects/effect_kernel_sets.h"
#include "interfaces/cpu_features.h"

namespace {

const EffectKernels* Sse2Kernels() {
#if defined(PRELO_EFFECTS_WITH_SIMD)
    if (cpu_features::HasSse2()) return &Sse2EffectKernelSet();
#endif
    return nullptr;
}

const EffectKernels* Avx2Kernels() {
#if defined(PRELO_EFFECTS_WITH_SIMD)
    if (cpu_features::HasAvx2()) return &Avx2EffectKernelSet();
#endif
    return nullptr;
}

// The first and one past the last byte of a plane's pixels.
void PlaneBytes(const PixelPlane& plane, uintptr_t& first, uintptr_t& end) {
    const intptr_t lastRow = static_cast<intptr_t>(plane.height - 1) * plane.pitch;
    first = reinterpret_cast<uintptr_t>(plane.base + (lastRow < 0 ? lastRow : 0));
    end =
        reinterpret_cast<uintptr_t>(plane.base + (lastRow > 0 ? lastRow : 0) + 3 * static_cast<intptr_t>(plane.width));
}

const EffectKernels*& Override() {
    static const EffectKernels* set = nullptr;
    return set;
}

}  // namespace

const EffectKernels& ChosenEffectKernels() {
    static const EffectKernels& chosen =
        cpu_features::Widest("PRELO_FORCE_BASELINE", PlainEffectKernels(), Sse2Kernels(), Avx2Kernels());
    return chosen;
}

int32_t AvailableEffectKernels(const EffectKernels** out, int32_t max) {
    const EffectKernels* const candidates[] = {&PlainEffectKernels(), Sse2Kernels(), Avx2Kernels()};
    return cpu_features::Offered(candidates, out, max);
}

const EffectKernels& EffectKernelsInUse() {
    const EffectKernels* set = Override();
    return set != nullptr ? *set : ChosenEffectKernels();
}

const EffectKernels& KernelsFor(const PixelPlane& out, const PixelPlane& in) {
    uintptr_t outFirst, outEnd, inFirst, inEnd;
    PlaneBytes(out, outFirst, outEnd);
    PlaneBytes(in, inFirst, inEnd);
    const bool shared = outFirst < inEnd && inFirst < outEnd;
    return shared ? PlainEffectKernels() : EffectKernelsInUse();
}

void UseEffectKernels(const EffectKernels* set) { Override() = set; }
