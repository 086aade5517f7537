#include "demo/effects/effect_kernel_sets.h"
#include "simd/kernel_choice.h"

namespace {

using enum simd::InstructionSet;

const EffectKernels* Plain() { return &PlainEffectKernels(); }

constexpr simd::Choice<EffectKernels, 4> kChoice = {"PRELO_FORCE_BASELINE",
                                                    {{kBaseline, Plain},
                                                     {kSse2, Sse2EffectKernelSet},
                                                     {kWasmSimd128, WasmEffectKernelSet},
                                                     {kAvx2, Avx2EffectKernelSet}}};

// The first and one past the last byte of a plane's pixels.
void PlaneBytes(const PlaneView& plane, uintptr_t& first, uintptr_t& end) {
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

const EffectKernels& ChosenEffectKernels() { return simd::ChosenOnce<kChoice>(); }

int32_t AvailableEffectKernels(const EffectKernels** out, int32_t max) { return kChoice.Offered(out, max); }

const EffectKernels& EffectKernelsInUse() {
    const EffectKernels* set = Override();
    return set != nullptr ? *set : ChosenEffectKernels();
}

const EffectKernels& KernelsFor(const PlaneView& out, const PlaneView& in) {
    uintptr_t outFirst, outEnd, inFirst, inEnd;
    PlaneBytes(out, outFirst, outEnd);
    PlaneBytes(in, inFirst, inEnd);
    const bool shared = outFirst < inEnd && inFirst < outEnd;
    return shared ? PlainEffectKernels() : EffectKernelsInUse();
}

void UseEffectKernels(const EffectKernels* set) { Override() = set; }
