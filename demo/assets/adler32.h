#pragma once

#include <cstddef>
#include <cstdint>

// The Adler-32 sum that ends every zlib stream, the same number as zlib's adler32 (start from 1).
// The movie inflates each frame with zlib's own check switched off and compares the trailer with
// this sum instead: zlib sums one byte at a time, which took a tenth of the whole demo's time.
struct Adler32Form {
    const char* name;
    uint32_t (*sum)(uint32_t adler, const uint8_t* data, size_t size);
};

// The widest form this build and processor run; PRELO_FORCE_BASELINE keeps zlib's.
const Adler32Form& ChosenAdler32();
// Every form this build and processor offer, at most max of them, zlib's first; their count.
int32_t AvailableAdler32Forms(const Adler32Form** out, int32_t max);

// The forms of the files built with AVX2 and WebAssembly SIMD flags, null in a build without them;
// only adler32.cpp asks for them, after the CPU check.
const Adler32Form* Avx2Adler32Form();
const Adler32Form* WasmAdler32Form();
