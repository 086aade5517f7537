#include "demo/assets/adler32.h"

#include <zlib.h>

#include "simd/kernel_choice.h"

namespace {

uint32_t ZlibAdler32(uint32_t adler, const uint8_t* data, size_t size) {
    return static_cast<uint32_t>(adler32_z(adler, data, size));
}

constexpr Adler32Form kZlib = {"zlib", ZlibAdler32};

const Adler32Form* Zlib() { return &kZlib; }

using enum simd::InstructionSet;

constexpr simd::Choice<Adler32Form, 3> kChoice = {
    "PRELO_FORCE_BASELINE", {{kBaseline, Zlib}, {kWasmSimd128, WasmAdler32Form}, {kAvx2, Avx2Adler32Form}}};

}  // namespace

const Adler32Form& ChosenAdler32() { return simd::ChosenOnce<kChoice>(); }

int32_t AvailableAdler32Forms(const Adler32Form** out, int32_t max) { return kChoice.Offered(out, max); }
