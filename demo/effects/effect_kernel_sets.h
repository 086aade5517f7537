#pragma once

#include "demo/effects/effect_kernels.h"

// The per-instruction-set tables, each defined in a file built with that set's flags and null in
// a build without them. Only effect_kernel_choice.cpp may ask for them, after checking that the
// CPU runs them.
const EffectKernels* Sse2EffectKernelSet();
const EffectKernels* WasmEffectKernelSet();
const EffectKernels* Avx2EffectKernelSet();
