#pragma once

// The operations of 128-bit vectors in WebAssembly SIMD, for the browser build: the same names as
// V128 (v128.h), so the kernels written over it serve here too. Written in the WebAssembly
// operations themselves rather than through the x86 intrinsics headers emscripten emulates, as
// some of those go through scalar code (the float rounding) or several steps where WebAssembly
// has one (the rounding multiply, the select). Outside the browser build the struct only says
// kBuilt = false. Internal linkage throughout, as in v128.h.
#include <cstdint>

#include "simd/weight_spread.h"

#if defined(__wasm_simd128__)
#include <wasm_simd128.h>
#endif

namespace simd {
namespace {

#if defined(__wasm_simd128__)

struct Wasm128 {
    using V = v128_t;
    static constexpr bool kBuilt = true;
    static constexpr const char* kName = "simd128";
    static constexpr int32_t kBytes = 16;
    static constexpr uint32_t kAllBytes = 0xFFFF;
    static constexpr bool kByteShuffle = true;
    // No high-half multiply: it takes two widening multiplies and a shuffle (vector_rules.h).
    static constexpr bool kMulHigh16 = false;
    // The rounding multiply saturates, so browsers may not give it one instruction; measured in
    // Chromium, the interpolation by two plain multiplies runs faster (row_kernels_simd.h).
    static constexpr bool kMulRound16 = false;
    // A multiply that widens bytes to 16-bit lanes as it goes (MulWidenLow8).
    static constexpr bool kMulWiden8 = true;
    using Narrow = Wasm128;

    static V Load(const void* p) { return wasm_v128_load(p); }
    static V LoadAligned(const void* p) { return wasm_v128_load(p); }
    static void Store(void* p, V v) { wasm_v128_store(p, v); }
    // WebAssembly has no cache hints, and one thread needs no fence.
    static void Stream(void* p, V v) { wasm_v128_store(p, v); }
    static void Fence() {}
    static void Leave() {}

    static V Zero() { return wasm_i32x4_const(0, 0, 0, 0); }
    static V Ones() { return wasm_i32x4_const(-1, -1, -1, -1); }
    static V Bytes(int32_t b) { return wasm_i8x16_splat(static_cast<int8_t>(b)); }
    static V Lanes16(int32_t v) { return wasm_i16x8_splat(static_cast<int16_t>(v)); }
    static V Ints(int32_t v) { return wasm_i32x4_splat(v); }

    static V And(V a, V b) { return wasm_v128_and(a, b); }
    static V Or(V a, V b) { return wasm_v128_or(a, b); }
    // ~a & b, as the x86 form has it.
    static V AndNot(V a, V b) { return wasm_v128_andnot(b, a); }
    static V Xor(V a, V b) { return wasm_v128_xor(a, b); }
    // Each byte from chosen where mask's byte is all ones, else from other; every mask the
    // kernels pass is a comparison's, all ones or all zeros a byte.
    static V Select(V mask, V chosen, V other) { return wasm_v128_bitselect(chosen, other, mask); }
    static uint32_t MoveMask8(V v) { return wasm_i8x16_bitmask(v); }
    static bool AllZero(V v) { return !wasm_v128_any_true(v); }
    static bool AllSet(V v) { return !wasm_v128_any_true(wasm_v128_not(v)); }

    static V Equal8(V a, V b) { return wasm_i8x16_eq(a, b); }
    static V Greater8(V a, V b) { return wasm_i8x16_gt(a, b); }
    static V Add8(V a, V b) { return wasm_i8x16_add(a, b); }
    static V Sub8(V a, V b) { return wasm_i8x16_sub(a, b); }

    static V Add16(V a, V b) { return wasm_i16x8_add(a, b); }
    static V Sub16(V a, V b) { return wasm_i16x8_sub(a, b); }
    static V MulLo16(V a, V b) { return wasm_i16x8_mul(a, b); }
    static V MulHiU16(V a, V b) {
        return wasm_i16x8_shuffle(wasm_u32x4_extmul_low_u16x8(a, b), wasm_u32x4_extmul_high_u16x8(a, b), 1, 3, 5, 7, 9,
                                  11, 13, 15);
    }
    // (a + b + 1) >> 1 on unsigned 16-bit lanes, the sum taken in 17 bits.
    static V AverageU16(V a, V b) { return wasm_u16x8_avgr(a, b); }
    static V Srl16(V v, int32_t n) { return wasm_u16x8_shr(v, static_cast<uint32_t>(n)); }
    static V Sll16(V v, int32_t n) { return wasm_i16x8_shl(v, static_cast<uint32_t>(n)); }
    // The low or high eight bytes of a and b widened to 16-bit lanes and multiplied, in one step.
    static V MulWidenLow8(V a, V b) { return wasm_u16x8_extmul_low_u8x16(a, b); }
    static V MulWidenHigh8(V a, V b) { return wasm_u16x8_extmul_high_u8x16(a, b); }
    static V WidenLow(V v) { return wasm_u16x8_extend_low_u8x16(v); }
    static V WidenHigh(V v) { return wasm_u16x8_extend_high_u8x16(v); }
    static V HighBytesLow(V v) {
        return wasm_i8x16_shuffle(Zero(), v, 0, 16, 1, 17, 2, 18, 3, 19, 4, 20, 5, 21, 6, 22, 7, 23);
    }
    static V HighBytesHigh(V v) {
        return wasm_i8x16_shuffle(Zero(), v, 8, 24, 9, 25, 10, 26, 11, 27, 12, 28, 13, 29, 14, 30, 15, 31);
    }
    static V Pack(V low, V high) { return wasm_u8x16_narrow_i16x8(low, high); }
    static V PackSigned32(V low, V high) { return wasm_i16x8_narrow_i32x4(low, high); }

    static V Add32(V a, V b) { return wasm_i32x4_add(a, b); }
    static V Sub32(V a, V b) { return wasm_i32x4_sub(a, b); }
    static V Equal32(V a, V b) { return wasm_i32x4_eq(a, b); }
    template <int32_t kShift>
    static V Sra32(V v) {
        return wasm_i32x4_shr(v, kShift);
    }
    static V Times3(V v) { return Add32(Add32(v, v), v); }
    static V Mul32(V a, V b) { return wasm_i32x4_mul(a, b); }
    static V Clamp(V v, V last) { return wasm_i32x4_min(wasm_i32x4_max(v, Zero()), last); }
    // Four floats rounded to the nearest integers, halves to even, as cvtss2si rounds them; a
    // float that is NaN or out of the 32-bit range gives INT32_MIN, as there.
    static V Round(const float* p) {
        const V f = wasm_v128_load(p);
        const V inRange = wasm_f32x4_lt(wasm_f32x4_abs(f), wasm_f32x4_splat(2147483648.0f));
        return wasm_v128_bitselect(wasm_i32x4_trunc_sat_f32x4(wasm_f32x4_nearest(f)), Ints(INT32_MIN), inRange);
    }

    template <int32_t c>
    static void SpreadLanes(V weights, V& low, V& high) {
        const V spread = SpreadBytes<c>(weights);
        low = WidenLow(spread);
        high = WidenHigh(spread);
    }
    template <int32_t c>
    static void SpreadLanesFrom(const uint8_t* weights, V& low, V& high) {
        SpreadLanes<c>(Load(weights), low, high);
    }
    // The group masks of four 32-bit lanes spread to the colour bytes of vector c, as in v128.h.
    template <int32_t c>
    static V SpreadGroupMask(V groups) {
        if constexpr (c == 0)
            return wasm_i32x4_shuffle(groups, groups, 0, 0, 0, 1);
        else if constexpr (c == 1)
            return wasm_i32x4_shuffle(groups, groups, 1, 1, 2, 2);
        else
            return wasm_i32x4_shuffle(groups, groups, 2, 3, 3, 3);
    }

    // Byte k of v for an index k below 16, zero for an index with its top bit set, as in v128.h.
    static V Shuffle8(V v, V indices) { return wasm_i8x16_swizzle(v, indices); }
    // ((a * b >> 14) + 1) >> 1 on signed 16-bit lanes; WebAssembly's form saturates the one
    // product that overflows (-32768 twice), which the kernels never form.
    static V MulRound16(V a, V b) { return wasm_i16x8_q15mulr_sat(a, b); }
    static V MinU32(V a, V b) { return wasm_u32x4_min(a, b); }
    static V MaxU32(V a, V b) { return wasm_u32x4_max(a, b); }
    template <int32_t c>
    static V SpreadBytes(V weights) {
        return Shuffle8(weights, LoadAligned(weight_spread::kSixteen.index[c]));
    }
};

#else

struct Wasm128 {
    static constexpr bool kBuilt = false;
};

#endif

}  // namespace
}  // namespace simd
