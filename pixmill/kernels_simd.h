#pragma once

// Pixmill's SIMD kernels, written once over a vector width (simd/v128.h, v256.h, wasm128.h):
// included only by the files built with an instruction set's flags, each of which names the Ops of
// its registers. Internal linkage throughout, as in the simd headers, so no code built with one
// set's flags can be picked by the linker for code built without them.
#include <cstring>
#include <utility>

#include "pixmill/copy_overlap.h"
#include "pixmill/kernel_sets.h"
#include "pixmill/row_layout.h"
#include "pixmill/simd_group_tail.h"
#include "simd/vector_rules.h"

namespace pixmill {
namespace {

template <typename Ops>
struct SimdKernels {
    using V = typename Ops::V;
    // Sixteen-byte vectors, for the steps too short for a whole V.
    using N = typename Ops::Narrow;
    static constexpr int32_t kBytes = Ops::kBytes;

    // Sixty-four bytes as whole vectors, unrolled.
    template <size_t... k>
    static void Copy64(uint8_t* d, const uint8_t* s, std::index_sequence<k...>) {
        (Ops::Store(d + kBytes * k, Ops::Load(s + kBytes * k)), ...);
    }

    static void CopyRowCached(uint8_t* d, const uint8_t* s, int32_t bytes) {
        int32_t i = 0;
        for (; i + 64 <= bytes; i += 64) Copy64(d + i, s + i, std::make_index_sequence<64 / kBytes>());
        for (; i + 16 <= bytes; i += 16) N::Store(d + i, N::Load(s + i));
        std::memcpy(d + i, s + i, static_cast<size_t>(bytes - i));
    }

    // Aligns each row's destination on its own, so every store can be streamed whatever the pitch.
    static void CopyRowStreaming(uint8_t* d, const uint8_t* s, int32_t bytes) {
        int32_t lead = static_cast<int32_t>((kBytes - (reinterpret_cast<uintptr_t>(d) & (kBytes - 1))) & (kBytes - 1));
        if (lead > bytes) lead = bytes;
        std::memcpy(d, s, static_cast<size_t>(lead));
        int32_t i = lead;
        for (; i + kBytes <= bytes; i += kBytes) Ops::Stream(d + i, Ops::Load(s + i));
        std::memcpy(d + i, s + i, static_cast<size_t>(bytes - i));
    }

    static void Copy(const PixelJob& job) {
        if (static_cast<int64_t>(3 * job.width) * job.height >= kStreamingCopyBytes) {
            CopyRows(job, CopyRowStreaming);
            Ops::Fence();
        } else {
            CopyRows(job, CopyRowCached);
        }
        Ops::Leave();
    }

    // A vector of colour bytes blended in SIMD form, with the 16-bit weights of its low and high half.
    template <typename W>
    static typename W::V Blend(typename W::V d, typename W::V s, typename W::V low, typename W::V high) {
        const typename W::V full = W::Lanes16(255);
        return W::Pack(simd::ShiftMixLanes<W>(W::HighBytesLow(d), W::HighBytesLow(s), low, W::Sub16(full, low)),
                       simd::ShiftMixLanes<W>(W::HighBytesHigh(d), W::HighBytesHigh(s), high, W::Sub16(full, high)));
    }

    static void BlendConstGroups(uint8_t* d, const uint8_t* s, int32_t groups, uint32_t a) {
        const int32_t bytes = 12 * groups;
        int32_t i = 0;
        const V w = Ops::Lanes16(static_cast<int32_t>(a));
        for (; i + kBytes <= bytes; i += kBytes)
            Ops::Store(d + i, Blend<Ops>(Ops::Load(d + i), Ops::Load(s + i), w, w));
        if constexpr (kBytes > 16) {
            if (i + 16 <= bytes) {
                const typename N::V narrow = N::Lanes16(static_cast<int32_t>(a));
                N::Store(d + i, Blend<N>(N::Load(d + i), N::Load(s + i), narrow, narrow));
                i += 16;
            }
        }
        BlendConstBytesSimdForm(d + i, s + i, bytes - i, a);
    }

    // Vector c of four groups (16 pixels, 48 colour bytes); groups whose four alphas are all 0 or
    // all 255 keep the destination or take the source, when mixed says there are any.
    template <int32_t c>
    static void BlendQuadVector(uint8_t* d, const uint8_t* s, typename N::V alpha, typename N::V clear,
                                typename N::V opaque, bool mixed) {
        typename N::V low, high;
        N::template SpreadLanes<c>(alpha, low, high);
        const typename N::V dv = N::Load(d + 16 * c);
        const typename N::V sv = N::Load(s + 16 * c);
        typename N::V out = Blend<N>(dv, sv, low, high);
        if (mixed) {
            out = N::Select(N::template SpreadGroupMask<c>(clear), dv, out);
            out = N::Select(N::template SpreadGroupMask<c>(opaque), sv, out);
        }
        N::Store(d + 16 * c, out);
    }

    static void BlendAlphaQuad(uint8_t* d, const uint8_t* s, const uint8_t* alpha) {
        const typename N::V a = N::Load(alpha);
        // One 32-bit lane per group.
        const typename N::V clear = N::Equal32(a, N::Zero());
        const typename N::V opaque = N::Equal32(a, N::Ones());
        const uint32_t clearBits = N::MoveMask8(clear);
        const uint32_t opaqueBits = N::MoveMask8(opaque);
        if (clearBits == N::kAllBytes) return;
        if (opaqueBits == N::kAllBytes) {
            std::memcpy(d, s, 48);
            return;
        }
        const bool mixed = (clearBits | opaqueBits) != 0;
        BlendQuadVector<0>(d, s, a, clear, opaque, mixed);
        BlendQuadVector<1>(d, s, a, clear, opaque, mixed);
        BlendQuadVector<2>(d, s, a, clear, opaque, mixed);
    }

    // Vector c of a wide step, which loads its own weights: the step then holds no more than the
    // 32-bit build's eight vector registers, so nothing is spilled to the stack.
    template <int32_t c>
    static void BlendWideVector(uint8_t* d, const uint8_t* s, const uint8_t* alpha) {
        V low, high;
        Ops::template SpreadLanesFrom<c>(alpha, low, high);
        uint8_t* to = d + kBytes * c;
        Ops::Store(to, Blend<Ops>(Ops::Load(to), Ops::Load(s + kBytes * c), low, high));
    }

    // kBytes pixels (kBytes / 4 groups) a step, for widths above sixteen bytes.
    static void BlendAlphaWide(uint8_t* d, const uint8_t* s, const uint8_t* alpha) {
        const V all = Ops::Load(alpha);
        const uint32_t clearBits = Ops::MoveMask8(Ops::Equal32(all, Ops::Zero()));
        const uint32_t opaqueBits = Ops::MoveMask8(Ops::Equal32(all, Ops::Ones()));
        if (clearBits == Ops::kAllBytes) return;
        if (opaqueBits == Ops::kAllBytes) {
            std::memcpy(d, s, 3 * kBytes);
            return;
        }
        // Steps mixing shortcut groups with blended ones are rare (an edge of a mask): the quads
        // take them, which keeps the wide step within the 32-bit build's eight registers.
        if ((clearBits | opaqueBits) != 0) {
            for (int32_t k = 0; k < kBytes / 16; ++k) BlendAlphaQuad(d + 48 * k, s + 48 * k, alpha + 16 * k);
            return;
        }
        BlendWideVector<0>(d, s, alpha);
        BlendWideVector<1>(d, s, alpha);
        BlendWideVector<2>(d, s, alpha);
    }

    static void BlendAlphaGroups(uint8_t* d, const uint8_t* s, const uint8_t* alpha, int32_t groups) {
        int32_t g = 0;
        if constexpr (kBytes > 16) {
            for (; g + kBytes / 4 <= groups; g += kBytes / 4) BlendAlphaWide(d + 12 * g, s + 12 * g, alpha + 4 * g);
        }
        for (; g + 4 <= groups; g += 4) BlendAlphaQuad(d + 12 * g, s + 12 * g, alpha + 4 * g);
        for (; g < groups; ++g) BlendAlphaGroupSimdForm(d + 12 * g, s + 12 * g, alpha + 4 * g);
    }

    static void BlendConst(const uint8_t* const* table, const PixelJob& job, uint32_t alpha) {
        BlendConstRows(table, job, alpha & 255u, BlendConstGroups);
        Ops::Leave();
    }

    static void BlendAlpha(const uint8_t* const* table, const PixelJob& job) {
        BlendAlphaRows(table, job, BlendAlphaGroups);
        Ops::Leave();
    }

    static constexpr KernelSet Table() { return KernelSet{Ops::kName, Copy, BlendConst, BlendAlpha}; }
};

}  // namespace
}  // namespace pixmill
