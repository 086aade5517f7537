// Built with the WebAssembly SIMD flags (prelo_simd_sources), for the browser build.
#include "host/graph/row_kernel_sets.h"
#include "host/graph/row_kernels_simd.h"
#include "simd/kernel_table.h"
#include "simd/wasm128.h"

const host::RowKernels* host::WasmRowKernelSet() { return simd::TableFor<RowKernels, RowSimd, simd::Wasm128>(); }
