#pragma once

// The SIMD forms of Graph's row kernels, written once over a vector width (simd/v128.h, v256.h,
// wasm128.h): included only by the files built with an instruction set's flags, each of which names
// the Ops of its registers. Everything here has internal linkage and the short ends of rows go to
// the plain kernels, so no code built with one set's flags can be picked by the linker for other
// code.
#include <cstring>

#include "host/graph/row_kernels.h"
#include "simd/vector_rules.h"

namespace host {
namespace {

template <typename Ops>
struct RowSimd {
    using V = typename Ops::V;

    static void MixConst(uint8_t* dst, const uint8_t* src, size_t n, int32_t weight) {
        const simd::ConstMix<Ops> mix(weight);
        size_t i = 0;
        for (; i + Ops::kBytes <= n; i += Ops::kBytes)
            Ops::Store(dst + i, mix.Bytes(Ops::Load(dst + i), Ops::Load(src + i)));
        PlainRowKernels().mixConst(dst + i, src + i, n - i, weight);
    }

    static void MixWeighted(uint8_t* dst, const uint8_t* src, const uint8_t* weights, size_t n) {
        size_t i = 0;
        for (; i + Ops::kBytes <= n; i += Ops::kBytes) {
            const V d = Ops::Load(dst + i);
            const V s = Ops::Load(src + i);
            const V w = Ops::Load(weights + i);
            Ops::Store(dst + i,
                       Ops::Pack(simd::MixLanes<Ops>(Ops::WidenLow(d), Ops::WidenLow(s), Ops::WidenLow(w)),
                                 simd::MixLanes<Ops>(Ops::WidenHigh(d), Ops::WidenHigh(s), Ops::WidenHigh(w))));
        }
        PlainRowKernels().mixWeighted(dst + i, src + i, weights + i, n - i);
    }

    static void ScaleConst(uint8_t* row, size_t n, int32_t weight) {
        const simd::WeightProduct<Ops> product(weight);
        size_t i = 0;
        for (; i + Ops::kBytes <= n; i += Ops::kBytes)
            Ops::Store(row + i, simd::Scale<Ops>(Ops::Load(row + i), product));
        PlainRowKernels().scaleConst(row + i, n - i, weight);
    }

    // (a * (256 - w) + b * w + 128) >> 8 on 16-bit lanes. With a rounding multiply it is
    // a + (((b - a) * w + 128) >> 8), 256 * a being a whole multiple of 256: pmulhrsw gives
    // ((x * w >> 14) + 1) >> 1, which for x = (b - a) * 128 (within 16 bits) is that second term,
    // one multiply where the two-product form (which stays below 65536, unsigned) takes two, where
    // the set has that multiply in one instruction (kMulRound16).
    static V LerpLanes(V a, V b, V w) {
        if constexpr (Ops::kMulRound16) {
            return Ops::Add16(a, Ops::MulRound16(Ops::Sll16(Ops::Sub16(b, a), 7), w));
        } else {
            const V sum = Ops::Add16(Ops::MulLo16(a, Ops::Sub16(Ops::Lanes16(256), w)), Ops::MulLo16(b, w));
            return Ops::Srl16(Ops::Add16(sum, Ops::Lanes16(128)), 8);
        }
    }

    template <bool kHigh>
    static V Widen(V bytes) {
        return kHigh ? Ops::WidenHigh(bytes) : Ops::WidenLow(bytes);
    }

    // LerpLanes of bytes a, b and w, by halves. Where a multiply widens bytes as it goes
    // (kMulWiden8) and none rounds, the sum is a * (255 - w) + b * w + a, two such multiplies of
    // bytes (at most 65025 + 255 + 128 with the rounding term, within 16 bits unsigned).
    template <bool kHigh>
    static V LerpHalf(V a, V b, V w) {
        if constexpr (Ops::kMulWiden8 && !Ops::kMulRound16) {
            const V kept = Ops::Xor(w, Ops::Bytes(0xFF));
            const V products = kHigh ? Ops::Add16(Ops::MulWidenHigh8(a, kept), Ops::MulWidenHigh8(b, w))
                                     : Ops::Add16(Ops::MulWidenLow8(a, kept), Ops::MulWidenLow8(b, w));
            return Ops::Srl16(Ops::Add16(products, Ops::Add16(Widen<kHigh>(a), Ops::Lanes16(128))), 8);
        } else {
            return LerpLanes(Widen<kHigh>(a), Widen<kHigh>(b), Widen<kHigh>(w));
        }
    }
    static V LerpBytes(V a, V b, V w) { return Ops::Pack(LerpHalf<false>(a, b, w), LerpHalf<true>(a, b, w)); }

    // The constant weight may be 256, which no byte holds: these take it on 16-bit lanes.
    static void LerpConst(uint8_t* out, const uint8_t* a, const uint8_t* b, size_t n, int32_t weight) {
        const V w = Ops::Lanes16(weight);
        size_t i = 0;
        for (; i + Ops::kBytes <= n; i += Ops::kBytes) {
            const V x = Ops::Load(a + i);
            const V y = Ops::Load(b + i);
            Ops::Store(out + i, Ops::Pack(LerpLanes(Ops::WidenLow(x), Ops::WidenLow(y), w),
                                          LerpLanes(Ops::WidenHigh(x), Ops::WidenHigh(y), w)));
        }
        PlainRowKernels().lerpConst(out + i, a + i, b + i, n - i, weight);
    }

    static void LerpMixConst(uint8_t* dst, const uint8_t* a, const uint8_t* b, size_t n, int32_t lerp, int32_t weight) {
        const V w = Ops::Lanes16(lerp);
        const simd::ConstMix<Ops> mix(weight);
        size_t i = 0;
        for (; i + Ops::kBytes <= n; i += Ops::kBytes) {
            const V x = Ops::Load(a + i);
            const V y = Ops::Load(b + i);
            const V d = Ops::Load(dst + i);
            const V low = LerpLanes(Ops::WidenLow(x), Ops::WidenLow(y), w);
            const V high = LerpLanes(Ops::WidenHigh(x), Ops::WidenHigh(y), w);
            Ops::Store(dst + i, Ops::Pack(mix.LowLanes(d, low), mix.HighLanes(d, high)));
        }
        PlainRowKernels().lerpMixConst(dst + i, a + i, b + i, n - i, lerp, weight);
    }

    static void LerpWeighted(uint8_t* out, const uint8_t* a, const uint8_t* b, const uint8_t* weights, size_t n) {
        size_t i = 0;
        for (; i + Ops::kBytes <= n; i += Ops::kBytes)
            Ops::Store(out + i, LerpBytes(Ops::Load(a + i), Ops::Load(b + i), Ops::Load(weights + i)));
        PlainRowKernels().lerpWeighted(out + i, a + i, b + i, weights + i, n - i);
    }

    // Sixteen weights at a time: Scale(alpha, level), then each byte laid out three times by three
    // byte shuffles. Without byte shuffles the plain loop serves.
    static Coverage SpreadWeights(const uint8_t* alpha, size_t pixels, int32_t level, uint8_t* weights) {
        using N = typename Ops::Narrow;
        size_t i = 0;
        bool noneSet = true;
        bool allFull = true;
        if constexpr (N::kByteShuffle) {
            typename N::V any = N::Zero();
            typename N::V all = N::Ones();
            const simd::WeightProduct<N> scaled(level);
            for (; i + 16 <= pixels; i += 16) {
                const typename N::V w = simd::Scale<N>(N::Load(alpha + i), scaled);
                any = N::Or(any, w);
                all = N::And(all, w);
                N::Store(weights + 3 * i, N::template SpreadBytes<0>(w));
                N::Store(weights + 3 * i + 16, N::template SpreadBytes<1>(w));
                N::Store(weights + 3 * i + 32, N::template SpreadBytes<2>(w));
            }
            noneSet = N::AllZero(any);
            allFull = N::AllSet(all);
        }
        const Coverage rest = PlainRowKernels().spreadWeights(alpha + i, pixels - i, level, weights + 3 * i);
        if (i == 0) return rest;
        if (i == pixels) return noneSet ? Coverage::kClear : allFull ? Coverage::kOpaque : Coverage::kMixed;
        if (noneSet && rest == Coverage::kClear) return Coverage::kClear;
        if (allFull && rest == Coverage::kOpaque) return Coverage::kOpaque;
        return Coverage::kMixed;
    }

    // Mixes one vector of colour bytes with the weights spread to their 16-bit lanes.
    static void MixSpread(uint8_t* d, const uint8_t* s, V low, V high) {
        const V dv = Ops::Load(d);
        const V sv = Ops::Load(s);
        Ops::Store(d, Ops::Pack(simd::MixLanes<Ops>(Ops::WidenLow(dv), Ops::WidenLow(sv), low),
                                simd::MixLanes<Ops>(Ops::WidenHigh(dv), Ops::WidenHigh(sv), high)));
    }

    // A vector of pixels a step, the weights spread in registers instead of through a row of spread
    // weights; the rest in chunks through this set's own spreadWeights and mixWeighted.
    static void MixByAlpha(uint8_t* dst, const uint8_t* src, const uint8_t* alpha, size_t pixels, int32_t level) {
        const simd::WeightProduct<Ops> scaled(level);
        size_t i = 0;
        for (; i + Ops::kBytes <= pixels; i += Ops::kBytes) {
            const V w = simd::Scale<Ops>(Ops::Load(alpha + i), scaled);
            if (Ops::AllZero(w)) continue;
            uint8_t* d = dst + 3 * i;
            const uint8_t* s = src + 3 * i;
            if (Ops::AllSet(w)) {
                std::memmove(d, s, 3 * Ops::kBytes);
                continue;
            }
            V low, high;
            Ops::template SpreadLanes<0>(w, low, high);
            MixSpread(d, s, low, high);
            Ops::template SpreadLanes<1>(w, low, high);
            MixSpread(d + Ops::kBytes, s + Ops::kBytes, low, high);
            Ops::template SpreadLanes<2>(w, low, high);
            MixSpread(d + 2 * Ops::kBytes, s + 2 * Ops::kBytes, low, high);
        }
        MixByAlphaInChunks(Table(), dst + 3 * i, src + 3 * i, alpha + i, pixels - i, level);
    }

    // One sixteen-byte load, a byte shuffle and a sixteen-byte store a side for four columns;
    // without byte shuffles the plain loop serves.
    static void GatherQuads(uint8_t* left, uint8_t* right, const uint8_t* sourceRow, const TexelQuad* quads,
                            size_t count) {
        using N = typename Ops::Narrow;
        if constexpr (!N::kByteShuffle) {
            PlainRowKernels().gatherQuads(left, right, sourceRow, quads, count);
        } else {
            for (size_t q = 0; q < count; ++q) {
                const TexelQuad& quad = quads[q];
                const typename N::V texels = N::Load(sourceRow + quad.base);
                const size_t at = 3 * static_cast<size_t>(quad.column);
                N::Store(left + at, N::Shuffle8(texels, N::LoadAligned(quad.left)));
                N::Store(right + at, N::Shuffle8(texels, N::LoadAligned(quad.right)));
            }
        }
    }

    static constexpr RowKernels Table() {
        return RowKernels{Ops::kName,   MixConst,     MixWeighted,   ScaleConst, LerpConst,
                          LerpMixConst, LerpWeighted, SpreadWeights, MixByAlpha, GatherQuads};
    }
};

}  // namespace
}  // namespace host
