#pragma once

#include "pixmill/kernels.h"

// The per-instruction-set tables, each defined in a file built with that set's flags and null in
// a build without them. Only kernel_choice.cpp may ask for them, after checking that the CPU runs
// them. The scalar set is built everywhere, so that x86 machines test it too.
namespace pixmill {

const KernelSet* MmxSseKernelSet();
const KernelSet* ScalarKernelSet();
const KernelSet* Sse2KernelSet();
const KernelSet* WasmKernelSet();
const KernelSet* Avx2KernelSet();

}  // namespace pixmill
