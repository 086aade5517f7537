// Built with the SSE2 flags (prelo_simd_sources); without byte shuffles, the weight spreading and
// the zoom's texel gathering stay plain loops.
#include "host/graph/row_kernel_sets.h"
#include "host/graph/row_kernels_simd.h"
#include "simd/kernel_table.h"
#include "simd/v128.h"

const host::RowKernels* host::Sse2RowKernelSet() { return simd::TableFor<RowKernels, RowSimd, simd::V128>(); }
