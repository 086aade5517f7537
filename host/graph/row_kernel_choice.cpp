#include "host/graph/row_kernel_sets.h"
#include "simd/kernel_choice.h"

namespace host {
namespace {

using enum simd::InstructionSet;

const RowKernels* Plain() { return &PlainRowKernels(); }

constexpr simd::Choice<RowKernels, 4> kChoice = {
    "GRAPH_FORCE_BASELINE",
    {{kBaseline, Plain}, {kSse2, Sse2RowKernelSet}, {kWasmSimd128, WasmRowKernelSet}, {kAvx2, Avx2RowKernelSet}}};

}  // namespace

const RowKernels& ChosenRowKernels() { return simd::ChosenOnce<kChoice>(); }

int32_t AvailableRowKernels(const RowKernels** out, int32_t max) { return kChoice.Offered(out, max); }

}  // namespace host
