#pragma once

#include "host/graph/row_kernels.h"

// The per-instruction-set tables, each defined in a file built with that set's flags and null in
// a build without them. Only row_kernel_choice.cpp may ask for them, after checking that the CPU
// runs them.
namespace host {

const RowKernels* Sse2RowKernelSet();
const RowKernels* WasmRowKernelSet();
const RowKernels* Avx2RowKernelSet();

}  // namespace host
