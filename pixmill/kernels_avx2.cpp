// 256-bit kernels, built with the AVX2 flags (prelo_simd_sources): the per-pixel weights spread to
// colour bytes by byte shuffles, eight groups (32 pixels) a step, then four, then one.
#include "pixmill/kernels_simd.h"
#include "simd/kernel_table.h"
#include "simd/v256.h"

const pixmill::KernelSet* pixmill::Avx2KernelSet() { return simd::TableFor<KernelSet, SimdKernels, simd::V256>(); }
