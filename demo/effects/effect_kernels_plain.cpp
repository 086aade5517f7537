#include "demo/effects/effect_kernels.h"
#include "demo/effects/fixed_point.h"
#include "demo/effects/scaled_sampling.h"
#include "demo/effects/scanline_rules.h"

namespace {

constexpr int32_t kFixedShift = 12;

// Unclamped sampling: the caller has checked that every sample of the run lies in the source.
struct DirectSampler {
    const PlaneView& in;
    const uint8_t* At(int32_t x, int32_t y) const {
        return in.Row(y >> kFixedShift) + 3 * static_cast<intptr_t>(x >> kFixedShift);
    }
};

// Samples that leave the source repeat its edge pixels.
struct EdgeSampler {
    const PlaneView& in;
    const uint8_t* At(int32_t x, int32_t y) const {
        return in.Row(ClampIndex(y >> kFixedShift, in.height)) +
               3 * static_cast<intptr_t>(ClampIndex(x >> kFixedShift, in.width));
    }
};

template <typename Sampler, typename Rule>
void DrawRun(uint8_t* out, const Sampler& sampler, SampleRun run, Rule rule) {
    int32_t x = run.x;
    int32_t y = run.y;
    for (int32_t j = 0; j < run.count; ++j, out += 3) {
        rule(out, sampler.At(x, y));
        x = WrapAdd(x, run.stepX);
        y = WrapAdd(y, run.stepY);
    }
}

template <typename Rule>
void DrawRunChecked(uint8_t* out, const PlaneView& in, const SampleRun& run, Rule rule) {
    if (StaysInside(run.x, run.stepX, run.count, kFixedShift, in.width) &&
        StaysInside(run.y, run.stepY, run.count, kFixedShift, in.height)) {
        DrawRun(out, DirectSampler{in}, run, rule);
    } else {
        DrawRun(out, EdgeSampler{in}, run, rule);
    }
}

void ScanlineRun(uint8_t* out, const PlaneView& in, const SampleRun& run, int32_t channel) {
    switch (channel) {
        case 0:
            DrawRunChecked(out, in, run, [](uint8_t* d, const uint8_t* s) { ScanlinePixel<0>(d, s); });
            break;
        case 1:
            DrawRunChecked(out, in, run, [](uint8_t* d, const uint8_t* s) { ScanlinePixel<1>(d, s); });
            break;
        default:
            DrawRunChecked(out, in, run, [](uint8_t* d, const uint8_t* s) { ScanlinePixel<2>(d, s); });
            break;
    }
}

template <int Channel>
void ScanlineSpanOf(uint8_t* out, const uint8_t* in, int32_t count) {
    for (int32_t j = 0; j < count; ++j, out += 3, in += 3) ScanlinePixel<Channel>(out, in);
}

void ScanlineSpan(uint8_t* out, const uint8_t* in, int32_t count, int32_t channel) {
    if (channel == 0) return ScanlineSpanOf<0>(out, in, count);
    if (channel == 1) return ScanlineSpanOf<1>(out, in, count);
    ScanlineSpanOf<2>(out, in, count);
}

template <int Channel>
void MaskSpanOf(uint8_t* out, int32_t count) {
    for (int32_t j = 0; j < count; ++j, out += 3) MaskPixel<Channel>(out);
}

void MaskSpan(uint8_t* out, int32_t count, int32_t channel) {
    if (channel == 0) return MaskSpanOf<0>(out, count);
    if (channel == 1) return MaskSpanOf<1>(out, count);
    MaskSpanOf<2>(out, count);
}

void AverageRun(uint8_t* out, const PlaneView& in, const SampleRun& run) {
    DrawRunChecked(out, in, run, [](uint8_t* d, const uint8_t* s) { AveragePixel(d, s); });
}

void ScreenRun(uint8_t* d, const PlaneView& in, const uint8_t* screen, float u, float v, float du, float dv,
               int32_t count) {
    for (int32_t k = 0; k < count; ++k, d += 3) {
        // A NaN or out-of-range coordinate converts to INT32_MIN, which the clamp takes to 0.
        const int32_t su = ClampIndex(_mm_cvtss_si32(_mm_set_ss(u)), in.width);
        const int32_t sv = ClampIndex(_mm_cvtss_si32(_mm_set_ss(v)), in.height);
        const uint8_t* p = in.Row(sv) + 3 * static_cast<intptr_t>(su);
        d[0] = screen[d[0] << 8 | p[0]];
        d[1] = screen[d[1] << 8 | p[1]];
        d[2] = screen[d[2] << 8 | p[2]];
        u += du;
        v += dv;
    }
}

void AfterimageRows(uint8_t* out, intptr_t outPitch, int32_t rows, const PlaneView& in, int32_t row, int32_t x,
                    int32_t stepX, int32_t count, const uint8_t* keepRow, int32_t shift) {
    const uint8_t* sourceRow = in.Row(row);
    for (uint8_t* p = out; rows > 0; --rows, p += outPitch) {
        ForEachScaledColumn(x, stepX, count, in.width, [&](int32_t j, int32_t column) {
            const uint8_t* s = sourceRow + 3 * static_cast<intptr_t>(column);
            uint8_t* d = p + 3 * static_cast<intptr_t>(j);
            d[0] = static_cast<uint8_t>(keepRow[d[0]] + (s[0] >> shift));
            d[1] = static_cast<uint8_t>(keepRow[d[1]] + (s[1] >> shift));
            d[2] = static_cast<uint8_t>(keepRow[d[2]] + (s[2] >> shift));
        });
    }
}

// The multiply table rows of the colour's components.
struct TintRows {
    const uint8_t* blue;
    const uint8_t* green;
    const uint8_t* red;
};

TintRows RowsOf(const TintColour& colour) {
    const RowTable& table = *colour.table;
    return {table.rows[colour.blue], table.rows[colour.green], table.rows[colour.red]};
}

inline void TintPixel(uint8_t* d, int32_t m, const RowTable& table, const TintRows& colour) {
    const uint8_t* keep = table.rows[255 - m];
    d[0] = static_cast<uint8_t>(keep[d[0]] + colour.blue[m]);
    d[1] = static_cast<uint8_t>(keep[d[1]] + colour.green[m]);
    d[2] = static_cast<uint8_t>(keep[d[2]] + colour.red[m]);
}

void TintSpan(uint8_t* p, const uint8_t* a, int32_t count, const TintColour& colour) {
    const TintRows rows = RowsOf(colour);
    for (int32_t j = 0; j < count; ++j, p += 3) {
        const int32_t m = a[j] >> 1;
        if (m != 0) TintPixel(p, m, *colour.table, rows);
    }
}

void TintScaledRun(uint8_t* p, const uint8_t* a, int32_t width, int32_t x, int32_t stepX, int32_t count,
                   const TintColour& colour) {
    const TintRows rows = RowsOf(colour);
    const uint8_t halfBlue = static_cast<uint8_t>(colour.blue >> 1);
    const uint8_t halfGreen = static_cast<uint8_t>(colour.green >> 1);
    const uint8_t halfRed = static_cast<uint8_t>(colour.red >> 1);
    ForEachScaledColumn(x, stepX, count, width, [&](int32_t j, int32_t column) {
        const int32_t m = a[column] >> 1;
        uint8_t* d = p + 3 * static_cast<intptr_t>(j);
        if (m == 0) return;
        if (m == 127) {
            // Full strength is an exact half-and-half mix.
            d[0] = static_cast<uint8_t>((d[0] >> 1) + halfBlue);
            d[1] = static_cast<uint8_t>((d[1] >> 1) + halfGreen);
            d[2] = static_cast<uint8_t>((d[2] >> 1) + halfRed);
        } else {
            TintPixel(d, m, *colour.table, rows);
        }
    });
}

void TunnelRow(uint8_t* out, const uint8_t* angles, const uint8_t* depths, const uint8_t* const* textureRows,
               int32_t phase, int32_t columns) {
    for (int32_t x = 0; x < columns; x += 2, out += 6) {
        const uint8_t* texel = textureRows[(phase + depths[x]) & 0xFF] + 3 * ((phase + angles[x]) & 0xFF);
        // An odd row ends on a pixel whose texel has no neighbour to go to.
        const int32_t bytes = x + 1 < columns ? 6 : 3;
        for (int32_t k = 0; k < bytes; ++k) out[k] = static_cast<uint8_t>(texel[k % 3] / 4 + out[k] / 4 + out[k] / 2);
    }
}

}  // namespace

const EffectKernels& PlainEffectKernels() {
    static const EffectKernels kPlain{"plain",   ScanlineRun,    ScanlineSpan, MaskSpan,      AverageRun,
                                      ScreenRun, AfterimageRows, TintSpan,     TintScaledRun, TunnelRow};
    return kPlain;
}
