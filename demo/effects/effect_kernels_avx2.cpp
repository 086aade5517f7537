// Built with the AVX2 flags (prelo_simd_sources).
#include "demo/effects/effect_kernel_sets.h"
#include "demo/effects/effect_kernels_simd.h"
#include "simd/kernel_table.h"
#include "simd/v256.h"

const EffectKernels* Avx2EffectKernelSet() { return simd::TableFor<EffectKernels, Simd, simd::V256>(); }
