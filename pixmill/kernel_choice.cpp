#include "simd/kernel_choice.h"

#include "pixmill/kernel_sets.h"

namespace pixmill {
namespace {

using enum simd::InstructionSet;

// The MMX/SSE set where the build has it, else the scalar one, is the baseline.
constexpr simd::Choice<KernelSet, 5> kChoice = {"PIXMILL_FORCE_BASELINE",
                                                {{kBaseline, MmxSseKernelSet},
                                                 {kBaseline, ScalarKernelSet},
                                                 {kSse2, Sse2KernelSet},
                                                 {kWasmSimd128, WasmKernelSet},
                                                 {kAvx2, Avx2KernelSet}}};

}  // namespace

const KernelSet& BaselineKernels() { return kChoice.Baseline(); }

const KernelSet& ChooseKernels() { return kChoice.Chosen(); }

int32_t AvailableKernelSets(const KernelSet** out, int32_t max) { return kChoice.Offered(out, max); }

}  // namespace pixmill
