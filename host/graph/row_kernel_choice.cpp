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

const RowKernels& Choose() {
    if (cpu_features::SwitchedOn("GRAPH_FORCE_BASELINE")) return PlainRowKernels();
    if (const RowKernels* avx2 = Avx2Rows()) return *avx2;
    if (const RowKernels* sse2 = Sse2Rows()) return *sse2;
    return PlainRowKernels();
}

}  // namespace

const RowKernels& ChosenRowKernels() {
    static const RowKernels& chosen = Choose();
    return chosen;
}

int32_t AvailableRowKernels(const RowKernels** out, int32_t max) {
    const RowKernels* candidates[] = {&PlainRowKernels(), Sse2Rows(), Avx2Rows()};
    int32_t count = 0;
    for (const RowKernels* set : candidates)
        if (set != nullptr && count < max) out[count++] = set;
    return count;
}

}  // namespace host
