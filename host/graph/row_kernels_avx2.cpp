// Built with the AVX2 flags (prelo_simd_sources).
#include "host/graph/row_kernel_sets.h"
#include "host/graph/row_kernels_simd.h"
#include "simd/kernel_table.h"
#include "simd/v256.h"

const host::RowKernels* host::Avx2RowKernelSet() { return simd::TableFor<RowKernels, RowSimd, simd::V256>(); }
