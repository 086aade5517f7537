// Built with the SSE2 flags (prelo_simd_sources); without byte shuffles, samples are gathered one
// by one.
#include "demo/effects/effect_kernel_sets.h"
#include "demo/effects/effect_kernels_simd.h"
#include "simd/kernel_table.h"
#include "simd/v128.h"

const EffectKernels* Sse2EffectKernelSet() { return simd::TableFor<EffectKernels, Simd, simd::V128>(); }
