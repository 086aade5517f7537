// Built with the WebAssembly SIMD flags (prelo_simd_sources), for the browser build.
#include "demo/effects/effect_kernel_sets.h"
#include "demo/effects/effect_kernels_simd.h"
#include "simd/kernel_table.h"
#include "simd/wasm128.h"

const EffectKernels* WasmEffectKernelSet() { return simd::TableFor<EffectKernels, Simd, simd::Wasm128>(); }
