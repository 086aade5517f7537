#pragma once

#include <xmmintrin.h>

#include <cstdint>

// Integer and float conversions of the effects, pinned to what the x86 instructions do in both
// builds: positions wrap around in 32 bits instead of overflowing into undefined behaviour, and a
// float that is NaN or out of the 32-bit range converts to INT32_MIN, as cvtss2si does.

inline int32_t WrapAdd(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}
inline int32_t WrapSub(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}
inline int32_t WrapMul(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b));
}

// The range test is explicit because compilers fold the conversion of a constant NaN differently
// from what the instruction does at run time.
inline bool FitsInt32(float v) { return v >= -2147483648.0f && v < 2147483648.0f; }

// Nearest integer, ties to even (the default rounding mode, which neither build changes).
inline int32_t RoundToInt(float v) { return FitsInt32(v) ? _mm_cvtss_si32(_mm_set_ss(v)) : INT32_MIN; }
inline int32_t TruncateToInt(float v) { return FitsInt32(v) ? _mm_cvttss_si32(_mm_set_ss(v)) : INT32_MIN; }

// 16.16 fixed point of a float: the nearest integer R (ties to even) in the high half, and the
// remainder v - R truncated to 1/65536 added, so the result may lie just below R * 65536.
inline int32_t ToFixed16(float v) {
    const int32_t whole = RoundToInt(v);
    const float fraction = v - static_cast<float>(whole);
    return WrapAdd(WrapMul(whole, 65536), TruncateToInt(fraction * 65536.0f));
}

// Positions start + j * step for j = 0..count-1, as 32-bit wrapping additions produce them. True
// when none of them wraps and every one of them, shifted right by shift, lies in 0..extent-1: the
// loop over them may then index without clamping.
inline bool StaysInside(int32_t start, int32_t step, int32_t count, int32_t shift, int32_t extent) {
    const int64_t last = static_cast<int64_t>(start) + static_cast<int64_t>(step) * (count - 1);
    if (last < INT32_MIN || last > INT32_MAX) return false;
    const int32_t low = static_cast<int32_t>(start < last ? start : last);
    const int32_t high = static_cast<int32_t>(start < last ? last : start);
    return (low >> shift) >= 0 && (high >> shift) < extent;
}

inline int32_t ClampIndex(int32_t index, int32_t extent) {
    return index < 0 ? 0 : (index >= extent ? extent - 1 : index);
}
