// Built without instruction-set flags: it runs before anyone knows what the CPU supports.
#include "host/graph/row_kernel_sets.h"
#include "interfaces/cpu_features.h"

namespace host {
namespace {

const RowKernels* Sse2Rows() {
#if defined(GRAPH_WITH_SIMD)
    if (cpu_features::HasSse2()) return &Sse2RowKernelSet();
#endif
    return nullptr;
}

const RowKernels* Avx2Rows() {
#if defined(GRAPH_WITH_SIMD)
    if (cpu_features::HasAvx2()) return &Avx2RowKernelSet();
#endif
    return nullptr;
}

}  // namespace

const RowKernels& ChosenRowKernels() {
    static const RowKernels& chosen =
        cpu_features::Widest("GRAPH_FORCE_BASELINE", PlainRowKernels(), Sse2Rows(), Avx2Rows());
    return chosen;
}

int32_t AvailableRowKernels(const RowKernels** out, int32_t max) {
    const RowKernels* const candidates[] = {&PlainRowKernels(), Sse2Rows(), Avx2Rows()};
    return cpu_features::Offered(candidates, out, max);
}

}  // namespace host
