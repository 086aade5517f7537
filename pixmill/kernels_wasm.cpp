// Built with the WebAssembly SIMD flags (prelo_simd_sources), for the browser build.
#include "pixmill/kernels_simd.h"
#include "simd/kernel_table.h"
#include "simd/wasm128.h"

const pixmill::KernelSet* pixmill::WasmKernelSet() { return simd::TableFor<KernelSet, SimdKernels, simd::Wasm128>(); }
