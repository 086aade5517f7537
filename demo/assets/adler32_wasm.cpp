// Adler-32 in WebAssembly SIMD, 16 bytes a step, by the sums of the AVX2 form (adler32_avx2.cpp):
// the blocks' bytes added to a running sum, the running sum as it stood before each block added to
// a sum of prefixes (multiplied by 16 at the end), and the bytes weighted 16 down to 1.
#include "demo/assets/adler32.h"

#if defined(__wasm_simd128__)
#include <wasm_simd128.h>

#include "demo/assets/adler32_tail.h"

namespace {

// Blocks between reductions: the prefix lanes, the largest, reach 4 · 255 · 1024 · 1023 / 2 < 2^29,
// far from overflowing 32 bits.
constexpr size_t kChunkBlocks = 1024;

uint64_t LaneSum(v128_t v) {
    return uint64_t{wasm_u32x4_extract_lane(v, 0)} + wasm_u32x4_extract_lane(v, 1) + wasm_u32x4_extract_lane(v, 2) +
           wasm_u32x4_extract_lane(v, 3);
}

uint32_t Adler32Wasm(uint32_t adler, const uint8_t* data, size_t size) {
    uint64_t a = adler & 0xFFFFu;
    uint64_t b = adler >> 16;
    // The weights of a block's first and last eight bytes.
    const v128_t first = wasm_i16x8_const(16, 15, 14, 13, 12, 11, 10, 9);
    const v128_t last = wasm_i16x8_const(8, 7, 6, 5, 4, 3, 2, 1);
    while (size >= 16) {
        const size_t blocks = size / 16 < kChunkBlocks ? size / 16 : kChunkBlocks;
        v128_t sums = wasm_i32x4_const(0, 0, 0, 0), prefixes = sums, weighted = sums;
        for (size_t k = 0; k < blocks; ++k) {
            const v128_t bytes = wasm_v128_load(data + 16 * k);
            prefixes = wasm_i32x4_add(prefixes, sums);
            sums = wasm_i32x4_add(sums, wasm_u32x4_extadd_pairwise_u16x8(wasm_u16x8_extadd_pairwise_u8x16(bytes)));
            // Bytes times weights of at most 16, in pairs, stay far below the 32-bit lanes' limit.
            weighted = wasm_i32x4_add(weighted, wasm_i32x4_dot_i16x8(wasm_u16x8_extend_low_u8x16(bytes), first));
            weighted = wasm_i32x4_add(weighted, wasm_i32x4_dot_i16x8(wasm_u16x8_extend_high_u8x16(bytes), last));
        }
        const uint64_t n = 16 * blocks;
        b = (b + n * a + 16 * LaneSum(prefixes) + LaneSum(weighted)) % kAdlerBase;
        a = (a + LaneSum(sums)) % kAdlerBase;
        data += n;
        size -= n;
    }
    return FinishAdler32(a, b, data, size);
}

constexpr Adler32Form kWasm = {"simd128", Adler32Wasm};

}  // namespace

const Adler32Form* WasmAdler32Form() { return &kWasm; }

#else

const Adler32Form* WasmAdler32Form() { return nullptr; }

#endif
