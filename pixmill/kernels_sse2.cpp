// 128-bit kernels, built with the SSE2 flags (prelo_simd_sources): sixteen bytes a step for the
// constant blend, four groups (16 pixels) a step for the per-pixel one, the weights spread by word
// shuffles.
#include "pixmill/kernels_simd.h"
#include "simd/kernel_table.h"
#include "simd/v128.h"

const pixmill::KernelSet* pixmill::Sse2KernelSet() { return simd::TableFor<KernelSet, SimdKernels, simd::V128>(); }
