#pragma once

// The SIMD forms of the effect kernels, written once over a vector width (simd/v128.h, v256.h,
// wasm128.h): included only by the files built with an instruction set's flags, each of which names
// the Ops of its registers. Everything here and in the simd headers has internal linkage, so no
// code built with one set's flags can be picked by the linker for code built without them.
//
// Each kernel works through a row in chunks: the sample positions are stepped exactly as the
// plain loop steps them (the integer additions wrap alike; the float additions run one pixel
// after another) and turned into byte offsets in vector registers, the source bytes are gathered
// into a staging row, and the rule runs on whole vectors of destination and staged bytes.
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "demo/effects/effect_kernels.h"
#include "simd/byte_rules.h"
#include "simd/vector_rules.h"

// The helpers are inline: a set file built without its width (the x86 sets in the browser build,
// the WebAssembly one elsewhere) includes this header and uses none of them.
namespace {

constexpr int32_t kChunk = 128;  // pixels staged at a time
// A staged chunk of pixels, with room for the sixteen-byte store of its last quad (see Gather).
constexpr int32_t kStageBytes = 3 * kChunk + 4;
constexpr int32_t kQuadShift = 12;
constexpr int32_t kScaledShift = 16;

inline int32_t Wrapped(int64_t value) {
    return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(value)));
}

// The offsets y * pitch + 3 * x of every pixel of the plane must fit 32 bits, with the 4 bytes a
// gather reads; planes that large keep the plain loops.
inline bool OffsetsFit(const PlaneView& in) {
    const int64_t pitch = in.pitch < 0 ? -static_cast<int64_t>(in.pitch) : in.pitch;
    return (static_cast<int64_t>(in.height) - 1) * pitch + 3 * static_cast<int64_t>(in.width) + 4 < INT32_MAX;
}

// The one pixel whose fourth byte may lie past the plane's memory: the last pixel of the row with
// the highest address. Every other pixel is followed by padding or the next row.
inline int32_t LastPixelOffset(const PlaneView& in) {
    return (in.pitch > 0 ? (in.height - 1) * in.pitch : 0) + 3 * (in.width - 1);
}

// Copies the three bytes of each pixel to stage[3j..3j+2], writing a fourth byte that the next
// pixel overwrites (the stage has room for it).
inline void GatherPixels(uint8_t* stage, const uint8_t* base, const int32_t* offsets, int32_t n, int32_t lastOffset) {
    for (int32_t j = 0; j < n; ++j, stage += 3) {
        const uint8_t* p = base + offsets[j];
        if (offsets[j] != lastOffset) {
            uint32_t bytes;
            std::memcpy(&bytes, p, 4);
            std::memcpy(stage, &bytes, 4);
        } else {
            stage[0] = p[0];
            stage[1] = p[1];
            stage[2] = p[2];
        }
    }
}

template <class Ops>
struct Simd {
    using V = typename Ops::V;
    // The sixteen-byte vectors of the set, for the byte shuffles that gather samples.
    using N = typename Ops::Narrow;
    static constexpr int32_t kBytes = Ops::kBytes;
    static constexpr int32_t kLanes = Ops::kBytes / 4;

    // The pixels at offsets[0..3] into stage[0..11] by one load and a byte shuffle, if each lies 0
    // to 13 bytes past the first, so all within sixteen; sixteen bytes are stored.
    static bool GatherQuad(uint8_t* stage, const uint8_t* base, const int32_t* offsets) {
        const typename N::V past = N::Sub32(N::Load(offsets), N::Ints(offsets[0]));
        // As unsigned numbers, so that a pixel before the first fails too.
        if (N::MoveMask8(N::Equal32(N::MinU32(past, N::Ints(13)), past)) != N::kAllBytes) return false;
        alignas(16) static constexpr uint8_t kLowBytes[16] = {0, 0,  0,  4,  4,   4,   8,   8,
                                                              8, 12, 12, 12, 128, 128, 128, 128};
        alignas(16) static constexpr uint8_t kChannels[16] = {0, 1, 2, 0, 1, 2, 0, 1, 2, 0, 1, 2, 128, 128, 128, 128};
        const typename N::V control = N::Add8(N::Shuffle8(past, N::LoadAligned(kLowBytes)), N::LoadAligned(kChannels));
        N::Store(stage, N::Shuffle8(N::Load(base + offsets[0]), control));
        return true;
    }

    // index = the sixteen offsets[0..15] less the first, as bytes, if each lies 0 to most past it.
    static bool SixteenPastFirst(const int32_t* offsets, int32_t most, typename N::V& index) {
        using W = typename N::V;
        const W first = N::Ints(offsets[0]);
        W past[4];
        for (int32_t q = 0; q < 4; ++q) past[q] = N::Sub32(N::Load(offsets + 4 * q), first);
        // As unsigned numbers, so that an offset before the first fails too.
        const W farthest = N::MaxU32(N::MaxU32(past[0], past[1]), N::MaxU32(past[2], past[3]));
        if (N::MoveMask8(N::Equal32(N::MinU32(farthest, N::Ints(most)), farthest)) != N::kAllBytes) return false;
        index = N::Pack(N::PackSigned32(past[0], past[1]), N::PackSigned32(past[2], past[3]));
        return true;
    }

    // The sixteen pixels at offsets[0..15] into stage[0..47] by one load and three byte shuffles, if
    // each lies 0 to 13 bytes past the first, as where a picture is drawn at over three times its
    // size: each pixel's byte offset, spread to its three bytes, plus the byte's channel.
    static bool GatherSixteen(uint8_t* stage, const uint8_t* base, const int32_t* offsets) {
        typename N::V index;
        if (!SixteenPastFirst(offsets, 13, index)) return false;
        alignas(16) static constexpr uint8_t kChannels[3][16] = {{0, 1, 2, 0, 1, 2, 0, 1, 2, 0, 1, 2, 0, 1, 2, 0},
                                                                 {1, 2, 0, 1, 2, 0, 1, 2, 0, 1, 2, 0, 1, 2, 0, 1},
                                                                 {2, 0, 1, 2, 0, 1, 2, 0, 1, 2, 0, 1, 2, 0, 1, 2}};
        const typename N::V bytes = N::Load(base + offsets[0]);
        N::Store(stage, N::Shuffle8(bytes, N::Add8(N::template SpreadBytes<0>(index), N::LoadAligned(kChannels[0]))));
        N::Store(stage + 16,
                 N::Shuffle8(bytes, N::Add8(N::template SpreadBytes<1>(index), N::LoadAligned(kChannels[1]))));
        N::Store(stage + 32,
                 N::Shuffle8(bytes, N::Add8(N::template SpreadBytes<2>(index), N::LoadAligned(kChannels[2]))));
        return true;
    }

    // spread[3j..3j+2] = weights[offsets[j]] >> 1 for j < 16, if each offset lies 0 to 31 past the
    // first: two loads and two byte shuffles gather the sixteen weights, three more spread them. A
    // shuffle index with its top bit set gives zero, so each load gives only the bytes of its own
    // sixteen: the first's indices are set where they lie past it, the second's are taken 16 off,
    // which wraps those before it past 127.
    static bool SpreadHalfWeights16(uint8_t* spread, const uint8_t* weights, const int32_t* offsets) {
        using W = typename N::V;
        W index;
        if (!SixteenPastFirst(offsets, 31, index)) return false;
        const W inHigh = N::Greater8(index, N::Bytes(15));
        const uint8_t* from = weights + offsets[0];
        const W low = N::Shuffle8(N::Load(from), N::Or(index, inHigh));
        const W high = N::Shuffle8(N::Load(from + 16), N::Add8(index, N::Bytes(-16)));
        const W halves = N::And(N::Srl16(N::Or(low, high), 1), N::Bytes(0x7F));
        N::Store(spread, N::template SpreadBytes<0>(halves));
        N::Store(spread + 16, N::template SpreadBytes<1>(halves));
        N::Store(spread + 32, N::template SpreadBytes<2>(halves));
        return true;
    }

    // stage[3j..3j+2] = the pixel at offsets[j], as GatherPixels does it. Where the registers have a
    // byte shuffle, sixteen or four pixels lying in order within sixteen bytes (as along a row of a
    // picture drawn at over three times its size, or at its size or larger) come from one load. The
    // first sixteen that do not go by fours, and the first four that do not, and all after them, go
    // one by one: where the samples turn or shrink, a chunk costs a try or two.
    static void Gather(uint8_t* stage, const uint8_t* base, const int32_t* offsets, int32_t n, int32_t lastOffset) {
        int32_t j = 0;
        if constexpr (N::kByteShuffle) {
            while (j + 16 <= n && offsets[j] <= lastOffset - 13 && GatherSixteen(stage + 3 * j, base, offsets + j))
                j += 16;
            while (j + 4 <= n && offsets[j] <= lastOffset - 13 && GatherQuad(stage + 3 * j, base, offsets + j)) j += 4;
        }
        GatherPixels(stage + 3 * j, base, offsets + j, n - j, lastOffset);
    }

    // Each byte halved, a quarter taken, without bits crossing from the neighbouring byte.
    static V Half(V v) { return Ops::And(Ops::Srl16(v, 1), Ops::Bytes(0x7F)); }
    static V Quarter(V v) { return Ops::And(Ops::Srl16(v, 2), Ops::Bytes(0x3F)); }

    // offsets[j] = Clamp(y_j >> shift) * pitch + 3 * Clamp(x_j >> shift) for the positions
    // x_j = x + j * stepX and y_j likewise, added up in 32 bits as the plain loop does.
    static void FixedOffsets(int32_t* offsets, const PlaneView& in, const SampleRun& run, int32_t n) {
        alignas(64) int32_t xs[kLanes];
        alignas(64) int32_t ys[kLanes];
        for (int32_t l = 0; l < kLanes; ++l) {
            xs[l] = Wrapped(run.x + static_cast<int64_t>(run.stepX) * l);
            ys[l] = Wrapped(run.y + static_cast<int64_t>(run.stepY) * l);
        }
        V x = Ops::Load(xs);
        V y = Ops::Load(ys);
        const V stepX = Ops::Ints(Wrapped(static_cast<int64_t>(run.stepX) * kLanes));
        const V stepY = Ops::Ints(Wrapped(static_cast<int64_t>(run.stepY) * kLanes));
        const V lastColumn = Ops::Ints(in.width - 1);
        const V lastRow = Ops::Ints(in.height - 1);
        const V pitch = Ops::Ints(in.pitch);
        for (int32_t j = 0; j < n; j += kLanes) {
            const V column = Ops::Clamp(Ops::template Sra32<kQuadShift>(x), lastColumn);
            const V row = Ops::Clamp(Ops::template Sra32<kQuadShift>(y), lastRow);
            Ops::Store(offsets + j, Ops::Add32(Ops::Mul32(row, pitch), Ops::Times3(column)));
            x = Ops::Add32(x, stepX);
            y = Ops::Add32(y, stepY);
        }
    }

    // offsets[j] = rowOffset + bytesPerPixel * Clamp(x_j >> 16) for x_j = x + j * step, added up
    // in 32 bits; bytesPerPixel is 1 or 3.
    template <int32_t kBytesPerPixel>
    static void ColumnOffsets(int32_t* offsets, int32_t rowOffset, int32_t width, int32_t x0, int32_t step, int32_t n) {
        alignas(64) int32_t xs[kLanes];
        for (int32_t l = 0; l < kLanes; ++l) xs[l] = Wrapped(x0 + static_cast<int64_t>(step) * l);
        V x = Ops::Load(xs);
        const V stepX = Ops::Ints(Wrapped(static_cast<int64_t>(step) * kLanes));
        const V lastColumn = Ops::Ints(width - 1);
        const V row = Ops::Ints(rowOffset);
        for (int32_t j = 0; j < n; j += kLanes) {
            const V column = Ops::Clamp(Ops::template Sra32<kScaledShift>(x), lastColumn);
            Ops::Store(offsets + j, Ops::Add32(row, kBytesPerPixel == 3 ? Ops::Times3(column) : column));
            x = Ops::Add32(x, stepX);
        }
    }

    // The same for float positions, each rounded to the nearest integer as cvtss2si rounds it.
    static void FloatOffsets(int32_t* offsets, const PlaneView& in, const float* us, const float* vs, int32_t n) {
        const V lastColumn = Ops::Ints(in.width - 1);
        const V lastRow = Ops::Ints(in.height - 1);
        const V pitch = Ops::Ints(in.pitch);
        for (int32_t j = 0; j < n; j += kLanes) {
            const V column = Ops::Clamp(Ops::Round(us + j), lastColumn);
            const V row = Ops::Clamp(Ops::Round(vs + j), lastRow);
            Ops::Store(offsets + j, Ops::Add32(Ops::Mul32(row, pitch), Ops::Times3(column)));
        }
    }

    // The masks that keep channel 0, 1 or 2 of every pixel, kBytes + 2 bytes each so that a vector
    // may start at any of the three phases. Made once: a row is filled by many short spans.
    struct ChannelMaskRows {
        alignas(64) uint8_t pattern[3][kBytes + 2];
    };
    static constexpr ChannelMaskRows MakeChannelMaskRows() {
        ChannelMaskRows rows{};
        for (int32_t channel = 0; channel < 3; ++channel)
            for (int32_t i = 0; i < kBytes + 2; ++i) rows.pattern[channel][i] = i % 3 == channel ? 0xFF : 0;
        return rows;
    }
    static constexpr ChannelMaskRows kChannelMaskRows = MakeChannelMaskRows();

    // Keeps a channel's bytes: At(p) for a vector that starts p bytes into a run of pixels.
    struct ChannelMask {
        const uint8_t* pattern;
        explicit ChannelMask(int32_t channel) : pattern(kChannelMaskRows.pattern[channel]) {}
        V At(int32_t offset) const { return Ops::Load(pattern + offset % 3); }
    };

    // The last vector is worked out first, from the bytes as they were, and stored after the
    // others, so a run of any length needs no byte-by-byte end.
    static void ScanlineBytes(uint8_t* out, const uint8_t* stage, int32_t bytes, const ChannelMask& mask) {
        if (bytes < kBytes) {
            for (int32_t i = 0; i < bytes; ++i)
                out[i] = static_cast<uint8_t>(((out[i] >> 1) + (stage[i] >> 1)) & mask.pattern[i]);
            return;
        }
        const int32_t last = bytes - kBytes;
        const V tail = Ops::And(Ops::Add8(Half(Ops::Load(out + last)), Half(Ops::Load(stage + last))), mask.At(last));
        const V masks[3] = {mask.At(0), mask.At(kBytes), mask.At(2 * kBytes)};
        for (int32_t i = 0, k = 0; i < last; i += kBytes, k = k == 2 ? 0 : k + 1) {
            const V sum = Ops::Add8(Half(Ops::Load(out + i)), Half(Ops::Load(stage + i)));
            Ops::Store(out + i, Ops::And(sum, masks[k]));
        }
        Ops::Store(out + last, tail);
    }

    static void AverageBytes(uint8_t* out, const uint8_t* stage, int32_t bytes) {
        int32_t i = 0;
        for (; i + kBytes <= bytes; i += kBytes)
            Ops::Store(out + i, Ops::Add8(Half(Ops::Load(out + i)), Half(Ops::Load(stage + i))));
        for (; i < bytes; ++i) out[i] = static_cast<uint8_t>((out[i] >> 1) + (stage[i] >> 1));
    }

    static void ScreenBytes(uint8_t* out, const uint8_t* stage, int32_t bytes) {
        int32_t i = 0;
        for (; i + kBytes <= bytes; i += kBytes)
            Ops::Store(out + i, simd::Screen<Ops>(Ops::Load(out + i), Ops::Load(stage + i)));
        for (; i < bytes; ++i) out[i] = simd::Screen(out[i], stage[i]);
    }

    // s >> kShift for every staged byte s, once for all the rows that add it. The shift is a
    // constant, which the WebAssembly build needs to shift bytes in one step.
    template <int32_t kShift>
    static void ShiftBytes(uint8_t* stage, int32_t bytes) {
        const V mask = Ops::Bytes(0xFF >> kShift);
        int32_t i = 0;
        for (; i + kBytes <= bytes; i += kBytes)
            Ops::Store(stage + i, Ops::And(Ops::Srl16(Ops::Load(stage + i), kShift), mask));
        for (; i < bytes; ++i) stage[i] = static_cast<uint8_t>(stage[i] >> kShift);
    }

    // floor(keep * d / 255) + a per byte for keep = 255 - (256 >> kShift), a from the shifted stage,
    // without a multiply: d - (d >> kShift) - (d > 0 ? 1 : 0) + a. The product is d less
    // ceil(d * (256 >> kShift) / 255) = ceil(d / 2^kShift + d / (255 * 2^kShift)), and for d from 1
    // to 255 the two fractions add up to more than 0 and at most 1.
    template <int32_t kShift>
    static void FadeByShiftBytes(uint8_t* out, const uint8_t* added, int32_t bytes) {
        int32_t i = 0;
        for (; i + kBytes <= bytes; i += kBytes) {
            const V d = Ops::Load(out + i);
            // Adding all ones takes one off every byte but the zeros.
            const V lessOne = Ops::Add8(d, Ops::Xor(Ops::Equal8(d, Ops::Zero()), Ops::Ones()));
            const V faded = Ops::Sub8(lessOne, Ops::And(Ops::Srl16(d, kShift), Ops::Bytes(0xFF >> kShift)));
            Ops::Store(out + i, Ops::Add8(faded, Ops::Load(added + i)));
        }
        for (; i < bytes; ++i) out[i] = static_cast<uint8_t>(out[i] - (out[i] >> kShift) - (out[i] > 0) + added[i]);
    }

    // The colour's byte for every byte position: At(p) for a vector p bytes into a run of pixels.
    struct ColourPattern {
        alignas(64) uint8_t pattern[kBytes + 2];
        explicit ColourPattern(const TintColour& colour) {
            for (int32_t i = 0; i < kBytes + 2; ++i)
                pattern[i] = static_cast<uint8_t>(i % 3 == 0 ? colour.blue : i % 3 == 1 ? colour.green : colour.red);
        }
        V At(int32_t offset) const { return Ops::Load(pattern + offset % 3); }
    };

    // T[255 - m][d] + T[c][m], and (d >> 1) + (c >> 1) where m is 127 and halfAtFull is set; m = 0
    // leaves d as it is, since T[255][d] = d. A vector all at full strength, as along the solid
    // part of a frame, takes the halves alone.
    static V Tint(V d, V m, V c, bool halfAtFull) {
        const auto product = [&] {
            return Ops::Add8(simd::Product<Ops>(d, Ops::Xor(m, Ops::Bytes(0xFF))), simd::Product<Ops>(c, m));
        };
        if (!halfAtFull) return product();
        const V full = Ops::Equal8(m, Ops::Bytes(127));
        const V half = Ops::Add8(Half(d), Half(c));
        if (Ops::AllSet(full)) return half;
        return Ops::Or(Ops::And(full, half), Ops::AndNot(full, product()));
    }

    // Tints 3 * n bytes of out by the weights spread to every byte of their pixel; the last vector
    // is worked out first from the bytes as they were and stored last. A vector of zero weights
    // leaves its bytes as they are, so it is skipped, three at a time where all three are clear:
    // masks such as frames are mostly clear.
    static void TintBytes(uint8_t* out, const uint8_t* spread, int32_t bytes, const ColourPattern& colour,
                          bool halfAtFull) {
        const int32_t last = bytes - kBytes;
        const V tail = Tint(Ops::Load(out + last), Ops::Load(spread + last), colour.At(last), halfAtFull);
        const V colours[3] = {colour.At(0), colour.At(kBytes), colour.At(2 * kBytes)};
        auto tintOne = [&](int32_t i, int32_t k, V m) {
            if (!Ops::AllZero(m)) Ops::Store(out + i, Tint(Ops::Load(out + i), m, colours[k], halfAtFull));
        };
        int32_t i = 0;
        for (; i + 2 * kBytes < last; i += 3 * kBytes) {
            const V m[3] = {Ops::Load(spread + i), Ops::Load(spread + i + kBytes), Ops::Load(spread + i + 2 * kBytes)};
            if (Ops::AllZero(Ops::Or(Ops::Or(m[0], m[1]), m[2]))) continue;
            for (int32_t k = 0; k < 3; ++k) tintOne(i + k * kBytes, k, m[k]);
        }
        for (int32_t k = 0; i < last; i += kBytes, ++k) tintOne(i, k, Ops::Load(spread + i));
        Ops::Store(out + last, tail);
    }

    // spread[3j..3j+2] = weights[j] >> 1, with a fourth byte the next pixel overwrites.
    static void SpreadHalfWeights(uint8_t* spread, const uint8_t* weights, int32_t n) {
        for (int32_t j = 0; j < n; ++j) {
            const uint32_t bytes = (weights[j] >> 1) * 0x010101u;
            std::memcpy(spread + 3 * j, &bytes, 4);
        }
    }

    static void TintSpan(uint8_t* out, const uint8_t* weights, int32_t count, const TintColour& colour) {
        const ColourPattern pattern(colour);
        alignas(64) uint8_t spread[3 * kChunk + 1];
        for (int32_t done = 0, n = 0; done < count; done += n) {
            n = count - done < kChunk ? count - done : kChunk;
            // A last chunk shorter than a vector goes to the plain loop: tinting is not idempotent,
            // so no vector may go over pixels already drawn.
            if (3 * n < kBytes) return PlainEffectKernels().tintSpan(out + 3 * done, weights + done, n, colour);
            SpreadHalfWeights(spread, weights + done, n);
            TintBytes(out + 3 * done, spread, 3 * n, pattern, false);
        }
    }

    static void TintScaledRun(uint8_t* out, const uint8_t* weightRow, int32_t width, int32_t x, int32_t stepX,
                              int32_t count, const TintColour& colour) {
        const ColourPattern pattern(colour);
        alignas(64) int32_t offsets[kChunk];
        alignas(64) uint8_t weights[kChunk];
        alignas(64) uint8_t spread[3 * kChunk + 1];
        for (int32_t done = 0, n = 0; done < count; done += n) {
            n = count - done < kChunk ? count - done : kChunk;
            if (3 * n < kBytes)
                return PlainEffectKernels().tintScaledRun(out + 3 * done, weightRow, width, x, stepX, n, colour);
            ColumnOffsets<1>(offsets, 0, width, x, stepX, n);
            int32_t j = 0;
            if constexpr (N::kByteShuffle) {
                while (j + 16 <= n && offsets[j] <= width - 32 &&
                       SpreadHalfWeights16(spread + 3 * j, weightRow, offsets + j))
                    j += 16;
            }
            for (int32_t k = j; k < n; ++k) weights[k] = weightRow[offsets[k]];
            SpreadHalfWeights(spread + 3 * j, weights + j, n - j);
            TintBytes(out + 3 * done, spread, 3 * n, pattern, true);
            x = Wrapped(x + static_cast<int64_t>(stepX) * n);
        }
    }

    static void TunnelBytes(uint8_t* out, const uint8_t* stage, int32_t bytes) {
        int32_t i = 0;
        for (; i + kBytes <= bytes; i += kBytes) {
            const V o = Ops::Load(out + i);
            Ops::Store(out + i, Ops::Add8(Ops::Add8(Quarter(Ops::Load(stage + i)), Quarter(o)), Half(o)));
        }
        for (; i < bytes; ++i) out[i] = static_cast<uint8_t>(stage[i] / 4 + out[i] / 4 + out[i] / 2);
    }

    // The three masks that keep a channel's bytes, the k-th for the k-th vector of every three.
    static void ScanlineSpan(uint8_t* out, const uint8_t* in, int32_t count, int32_t channel) {
        ScanlineBytes(out, in, 3 * count, ChannelMask(channel));
    }

    // Masking twice changes nothing, so the last vector may overlap the one before it.
    static void MaskSpan(uint8_t* out, int32_t count, int32_t channel) {
        const ChannelMask mask(channel);
        const int32_t bytes = 3 * count;
        if (bytes < kBytes) {
            for (int32_t i = 0; i < bytes; ++i) out[i] &= mask.pattern[i];
            return;
        }
        const V masks[3] = {mask.At(0), mask.At(kBytes), mask.At(2 * kBytes)};
        for (int32_t i = 0, k = 0; i < bytes - kBytes; i += kBytes, k = k == 2 ? 0 : k + 1)
            Ops::Store(out + i, Ops::And(Ops::Load(out + i), masks[k]));
        Ops::Store(out + bytes - kBytes, Ops::And(Ops::Load(out + bytes - kBytes), mask.At(bytes - kBytes)));
    }

    static void ScanlineRun(uint8_t* out, const PlaneView& in, const SampleRun& run, int32_t channel) {
        if (!OffsetsFit(in)) return PlainEffectKernels().scanlineRun(out, in, run, channel);
        alignas(64) int32_t offsets[kChunk];
        alignas(64) uint8_t stage[3 * kChunk] = {};
        const ChannelMask mask(channel);
        SampleRun chunk = run;
        for (int32_t done = 0; done < run.count; done += chunk.count) {
            chunk.count = run.count - done < kChunk ? run.count - done : kChunk;
            FixedOffsets(offsets, in, chunk, chunk.count);
            const uint8_t* base = in.base + channel;
            for (int32_t j = 0; j < chunk.count; ++j) stage[3 * j + channel] = base[offsets[j]];
            ScanlineBytes(out + 3 * done, stage, 3 * chunk.count, mask);
            chunk.x = Wrapped(chunk.x + static_cast<int64_t>(chunk.stepX) * chunk.count);
            chunk.y = Wrapped(chunk.y + static_cast<int64_t>(chunk.stepY) * chunk.count);
        }
    }

    static void AverageRun(uint8_t* out, const PlaneView& in, const SampleRun& run) {
        if (!OffsetsFit(in)) return PlainEffectKernels().averageRun(out, in, run);
        alignas(64) int32_t offsets[kChunk];
        alignas(64) uint8_t stage[kStageBytes];
        const int32_t lastOffset = LastPixelOffset(in);
        SampleRun chunk = run;
        for (int32_t done = 0; done < run.count; done += chunk.count) {
            chunk.count = run.count - done < kChunk ? run.count - done : kChunk;
            FixedOffsets(offsets, in, chunk, chunk.count);
            Gather(stage, in.base, offsets, chunk.count, lastOffset);
            AverageBytes(out + 3 * done, stage, 3 * chunk.count);
            chunk.x = Wrapped(chunk.x + static_cast<int64_t>(chunk.stepX) * chunk.count);
            chunk.y = Wrapped(chunk.y + static_cast<int64_t>(chunk.stepY) * chunk.count);
        }
    }

    static void ScreenRun(uint8_t* out, const PlaneView& in, const uint8_t* screen, float u, float v, float du,
                          float dv, int32_t count) {
        if (!OffsetsFit(in)) return PlainEffectKernels().screenRun(out, in, screen, u, v, du, dv, count);
        alignas(64) float us[kChunk];
        alignas(64) float vs[kChunk];
        alignas(64) int32_t offsets[kChunk];
        alignas(64) uint8_t stage[kStageBytes];
        const int32_t lastOffset = LastPixelOffset(in);
        for (int32_t done = 0, n = 0; done < count; done += n) {
            n = count - done < kChunk ? count - done : kChunk;
            for (int32_t j = 0; j < n; ++j) {
                us[j] = u;
                vs[j] = v;
                u += du;
                v += dv;
            }
            // The lanes past n convert whatever is there; their offsets are never used.
            for (int32_t j = n; j < kChunk && j % kLanes != 0; ++j) us[j] = vs[j] = 0.0f;
            FloatOffsets(offsets, in, us, vs, n);
            Gather(stage, in.base, offsets, n, lastOffset);
            ScreenBytes(out + 3 * done, stage, 3 * n);
        }
    }

    // A chunk's source pixels are gathered once for all the rows. The shifts the effects use go as
    // constants; any other goes to the plain loop.
    static void AfterimageRows(uint8_t* out, intptr_t outPitch, int32_t rows, const PlaneView& in, int32_t row,
                               int32_t x, int32_t stepX, int32_t count, const uint8_t* keepRow, int32_t shift) {
        if (OffsetsFit(in)) {
            if (shift == 2) return AfterimageRowsBy<2>(out, outPitch, rows, in, row, x, stepX, count);
            if (shift == 3) return AfterimageRowsBy<3>(out, outPitch, rows, in, row, x, stepX, count);
            if (shift == 4) return AfterimageRowsBy<4>(out, outPitch, rows, in, row, x, stepX, count);
        }
        PlainEffectKernels().afterimageRows(out, outPitch, rows, in, row, x, stepX, count, keepRow, shift);
    }

    template <int32_t kShift>
    static void AfterimageRowsBy(uint8_t* out, intptr_t outPitch, int32_t rows, const PlaneView& in, int32_t row,
                                 int32_t x, int32_t stepX, int32_t count) {
        alignas(64) int32_t offsets[kChunk];
        alignas(64) uint8_t stage[kStageBytes];
        const int32_t lastOffset = LastPixelOffset(in);
        for (int32_t done = 0, n = 0; done < count; done += n) {
            n = count - done < kChunk ? count - done : kChunk;
            ColumnOffsets<3>(offsets, row * in.pitch, in.width, x, stepX, n);
            Gather(stage, in.base, offsets, n, lastOffset);
            ShiftBytes<kShift>(stage, 3 * n);
            for (int32_t r = 0; r < rows; ++r) FadeByShiftBytes<kShift>(out + r * outPitch + 3 * done, stage, 3 * n);
            x = Wrapped(x + static_cast<int64_t>(stepX) * n);
        }
    }

    static void TunnelRow(uint8_t* out, const uint8_t* angles, const uint8_t* depths, const uint8_t* const* textureRows,
                          int32_t phase, int32_t columns) {
        alignas(64) uint8_t stage[6 * kChunk + 1];
        const int32_t pairs = columns > 0 ? (columns + 1) / 2 : 0;
        for (int32_t done = 0, n = 0; done < pairs; done += n) {
            n = pairs - done < kChunk ? pairs - done : kChunk;
            for (int32_t j = 0; j < n; ++j) {
                const int32_t x = 2 * (done + j);
                const uint8_t* texel = textureRows[(phase + depths[x]) & 0xFF] + 3 * ((phase + angles[x]) & 0xFF);
                const uint32_t bytes = texel[0] | texel[1] << 8 | static_cast<uint32_t>(texel[2]) << 16;
                std::memcpy(stage + 6 * j, &bytes, 4);
                std::memcpy(stage + 6 * j + 3, &bytes, 4);
            }
            // An odd row ends on half a pair.
            TunnelBytes(out + 6 * done, stage, std::min(6 * n, 3 * columns - 6 * done));
        }
    }

    static constexpr EffectKernels Table() {
        return EffectKernels{Ops::kName, ScanlineRun,    ScanlineSpan, MaskSpan,      AverageRun,
                             ScreenRun,  AfterimageRows, TintSpan,     TintScaledRun, TunnelRow};
    }
};

}  // namespace
