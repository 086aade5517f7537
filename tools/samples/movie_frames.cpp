#include "movie_frames.h"

#include <algorithm>
#include <cmath>

#include "canvas.h"
#include "noise.h"

namespace samples {
namespace {

// Palette layout shared by both parts of the movie.
constexpr int kSky = 0;         // 96 rows of sky gradient
constexpr int kSun = 96;        // disc and 15 halo rings
constexpr int kMountain = 112;  // three layers
constexpr int kSea = 115;       // water between the grid lines
constexpr int kGrid = 116;      // 8 grid-line shades by distance
constexpr int kGlitter = 124;   // the sun's path on the water
constexpr int kTunnel = 128;    // 8 ring colours x 8 brightness levels
constexpr int kStar = 192;      // 8 twinkling stars
constexpr int kStreak = 200;    // 32 brightness levels of the warp's star streaks
constexpr int kDeep = 232;      // 16 rings of the warp's background glow
constexpr int kBlack = 255;

constexpr float kDuskEnd = 20.0f;
constexpr float kTunnelEnd = 34.0f;
constexpr float kHorizon = 0.56f;

Colour Hsv(float h, float s, float v) {
    h = (h - std::floor(h)) * 6.0f;
    const int i = static_cast<int>(h);
    const float f = h - i, p = v * (1 - s), q = v * (1 - s * f), u = v * (1 - s * (1 - f));
    switch (i % 6) {
        case 0:
            return {v, u, p};
        case 1:
            return {q, v, p};
        case 2:
            return {p, v, u};
        case 3:
            return {p, q, v};
        case 4:
            return {u, p, v};
        default:
            return {v, p, q};
    }
}

tools::PaletteEntry Entry(Colour c) {
    auto byte = [](float v) { return static_cast<uint8_t>(std::clamp(v, 0.0f, 1.0f) * 255.0f + 0.5f); };
    return {byte(c.b), byte(c.g), byte(c.r), 0};
}

float SunHeight(float t) { return 0.30f - 0.32f * (t / kDuskEnd); }  // above the horizon, in heights

void DuskPalette(float t, tools::Palette& palette) {
    const float p = t / kDuskEnd;
    const Colour top = Mix(Rgb(40, 70, 150), Rgb(12, 10, 44), p);
    const Colour low = Mix(Rgb(255, 170, 90), Rgb(150, 50, 100), p);
    for (int i = 0; i < 96; ++i) palette[kSky + i] = Entry(Mix(top, low, std::pow(i / 95.0f, 1.6f)));
    const Colour sun = Mix(Rgb(255, 246, 210), Rgb(255, 130, 70), p);
    for (int i = 0; i < 16; ++i) palette[kSun + i] = Entry(Mix(sun, low, std::sqrt(i / 16.0f)));
    const Colour hills[] = {Rgb(110, 70, 130), Rgb(70, 40, 100), Rgb(36, 20, 60)};
    for (int i = 0; i < 3; ++i) palette[kMountain + i] = Entry(Scale(hills[i], 1.0f - 0.5f * p));
    const Colour sea = Mix(Rgb(30, 40, 100), Rgb(10, 8, 34), p);
    palette[kSea] = Entry(sea);
    for (int i = 0; i < 8; ++i)
        palette[kGrid + i] = Entry(Mix(Mix(Rgb(255, 80, 200), Rgb(80, 220, 255), p), sea, i / 8.0f));
    palette[kGlitter] = Entry(Mix(sun, sea, 0.3f));
    for (int i = 0; i < 8; ++i) {
        const float twinkle = 0.6f + 0.4f * std::sin(t * 5.0f + i * 1.7f);
        palette[kStar + i] = Entry(Scale(Rgb(230, 235, 255), std::clamp(p * 1.5f - 0.3f, 0.0f, 1.0f) * twinkle));
    }
}

void TunnelPalette(float t, tools::Palette& palette) {
    const float s = t - kDuskEnd;
    for (int k = 0; k < 8; ++k)
        for (int level = 0; level < 8; ++level) {
            const float hue = k / 8.0f * 0.5f + s * 0.03f;
            const float value = std::pow(level / 7.0f, 1.3f);
            palette[kTunnel + k * 8 + level] = Entry(Hsv(hue, (k & 1) ? 0.75f : 0.35f, value));
        }
}

void WarpPalette(float t, tools::Palette& palette) {
    const float s = t - kTunnelEnd;
    for (int i = 0; i < 32; ++i) palette[kStreak + i] = Entry(Mix(Rgb(90, 120, 230), Rgb(255, 255, 255), i / 31.0f));
    for (int i = 0; i < 16; ++i) {
        const float k = std::pow(1.0f - i / 16.0f, 2.0f);
        palette[kDeep + i] = Entry(Mix(Rgb(4, 4, 20), Hsv(0.62f + 0.02f * s, 0.7f, 0.55f), k));
    }
}

// A white flash joins dusk and tunnel, a dip through black the tunnel and the warp; the last
// seconds fade to black.
void Grade(float t, tools::Palette& palette) {
    const float flash = std::max(0.0f, 1.0f - std::fabs(t - kDuskEnd) / 1.0f);
    const float dip = std::clamp(std::fabs(t - kTunnelEnd) / 0.5f, 0.0f, 1.0f);
    const float fade = std::clamp((kMovieSeconds - t) / 3.0f, 0.0f, 1.0f) * dip;
    for (tools::PaletteEntry& e : palette) {
        Colour c = Rgb(e.r, e.g, e.b);
        c = Scale(Mix(c, Rgb(255, 255, 255), flash), fade);
        e = Entry(c);
    }
}

}  // namespace

MovieRenderer::MovieRenderer(int32_t width, int32_t height)
    : width_(width),
      height_(height),
      radius_(static_cast<size_t>(width) * height),
      turn_(radius_.size()),
      stars_(radius_.size(), 0) {
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x) {
            const float dx = (x - 0.5f * width) / height, dy = (y - 0.5f * height) / height;
            const size_t i = static_cast<size_t>(y) * width + x;
            radius_[i] = std::sqrt(dx * dx + dy * dy);
            turn_[i] = std::atan2(dy, dx) / 6.2831853f + 0.5f;
            const uint32_t h = Hash(static_cast<uint32_t>(x * 7919 + y), 4300);
            if (h % 700 == 0) stars_[i] = static_cast<uint8_t>(1 + (h >> 12) % 8);
        }
}

void MovieRenderer::Render(float seconds, std::vector<uint8_t>& indices, tools::Palette& palette) const {
    indices.assign(static_cast<size_t>(width_) * height_, kBlack);
    palette.fill({});
    if (seconds < kDuskEnd) {
        DuskPalette(seconds, palette);
        RenderDusk(seconds, indices.data());
    } else if (seconds < kTunnelEnd) {
        TunnelPalette(seconds, palette);
        RenderTunnel(seconds, indices.data());
    } else {
        WarpPalette(seconds, palette);
        RenderWarp(seconds, indices.data());
    }
    Grade(seconds, palette);
}

void MovieRenderer::RenderDusk(float t, uint8_t* out) const {
    const int32_t horizon = static_cast<int32_t>(kHorizon * height_);
    const float sunX = 0.5f * width_, sunY = horizon - SunHeight(t) * height_, sunR = 0.09f * height_;
    // Ridge lines of three parallax layers, the nearest moving fastest.
    std::vector<int32_t> ridge(static_cast<size_t>(width_) * 3);
    for (int layer = 0; layer < 3; ++layer)
        for (int32_t x = 0; x < width_; ++x) {
            const float u = static_cast<float>(x) / height_;
            const float n = Fbm(u * (2.0f + layer * 1.5f) + t * (0.04f + 0.08f * layer), layer * 3.0f, 430 + layer, 4);
            ridge[static_cast<size_t>(layer) * width_ + x] =
                horizon - static_cast<int32_t>((0.22f - 0.06f * layer) * height_ * n);
        }
    for (int32_t y = 0; y < height_; ++y) {
        uint8_t* row = out + static_cast<size_t>(y) * width_;
        if (y < horizon) {
            const uint8_t sky = static_cast<uint8_t>(kSky + std::min(95, y * 96 / horizon));
            for (int32_t x = 0; x < width_; ++x) {
                uint8_t v = sky;
                const size_t i = static_cast<size_t>(y) * width_ + x;
                if (stars_[i] && y < horizon / 2) v = static_cast<uint8_t>(kStar + stars_[i] - 1);
                const float d = std::hypot(x - sunX, y - sunY) / sunR;
                if (d < 2.25f)
                    v = static_cast<uint8_t>(kSun + std::clamp(static_cast<int>((d - 1.0f) * 12.0f) + 1, 0, 15));
                for (int layer = 0; layer < 3; ++layer)
                    if (y >= ridge[static_cast<size_t>(layer) * width_ + x])
                        v = static_cast<uint8_t>(kMountain + layer);
                row[x] = v;
            }
            continue;
        }
        const float depth = static_cast<float>(y - horizon + 1) / (height_ - horizon);
        const float z = 1.0f / depth;  // distance of this row of water
        const uint8_t shade = static_cast<uint8_t>(kGrid + std::min(7, static_cast<int>(z * 0.6f)));
        const bool crossLine = std::fmod(z + t * 2.0f, 1.0f) < 0.12f * z * 0.5f + 0.04f;
        // The sun's path on the water: short dashes that shift from row to row and frame to frame.
        const float glitterHalf = sunR * (0.4f + 1.2f * depth);
        const int32_t dashShift =
            static_cast<int32_t>(Hash(static_cast<uint32_t>(y), static_cast<uint32_t>(t * 8.0f)) % 64);
        const int32_t dash = std::max(2, width_ / 60);
        for (int32_t x = 0; x < width_; ++x) {
            const float worldX = (x - 0.5f * width_) / height_ * z * 3.0f;
            const bool alongLine = std::fabs(worldX - std::round(worldX)) < 0.03f * z + 0.02f;
            uint8_t v = (crossLine || alongLine) ? shade : kSea;
            if (std::fabs(x - sunX) < glitterHalf && ((x + dashShift) / dash) % 3 == 0 && (y & 1) == 0) v = kGlitter;
            row[x] = v;
        }
    }
}

void MovieRenderer::RenderTunnel(float t, uint8_t* out) const {
    const float s = t - kDuskEnd;
    const float travel = s * 3.0f;
    const float spin = s * 0.05f + 0.02f * std::sin(s * 0.7f);
    const size_t count = static_cast<size_t>(width_) * height_;
    for (size_t i = 0; i < count; ++i) {
        const float r = radius_[i];
        if (r < 0.03f) continue;  // the far end stays black
        const float depth = 0.35f / r + travel;
        const int ring = static_cast<int>(depth);
        const int sector = static_cast<int>((turn_[i] + spin) * 12.0f);
        const int k = ((ring + sector) & 1) | ((ring >> 1) & 3) << 1;
        const int level = std::clamp(static_cast<int>(r * 14.0f), 0, 7);
        out[i] = static_cast<uint8_t>(kTunnel + k * 8 + level);
    }
}

}  // namespace samples

namespace samples {

// Stars rushing past: each star keeps its direction and comes nearer; it is drawn as a streak
// from where it was a moment ago to where it is, brighter as it nears.
void MovieRenderer::RenderWarp(float t, uint8_t* out) const {
    const float s = t - kTunnelEnd;
    const float cx = 0.5f * width_, cy = 0.5f * height_, focal = 0.5f * height_;
    const size_t count = static_cast<size_t>(width_) * height_;
    for (size_t i = 0; i < count; ++i)
        out[i] = static_cast<uint8_t>(kDeep + std::min(15, static_cast<int>(radius_[i] * 22.0f)));
    const float speed = 0.25f + 0.06f * s;  // depth units a second, speeding up
    for (uint32_t star = 0; star < 700; ++star) {
        const uint32_t h = Hash(star, 3400);
        const float x = ((h & 1023) / 511.5f - 1.0f) * 1.6f, y = (((h >> 10) & 1023) / 511.5f - 1.0f) * 1.2f;
        const float z0 = ((h >> 20) & 1023) / 1024.0f;
        const float z = 0.02f + std::fmod(z0 + 10.0f - s * speed, 1.0f);
        const float zBefore = z + 0.05f * speed * (1.0f + s * 0.2f);
        const int level = std::clamp(static_cast<int>((1.0f - z) * 31.0f), 0, 31);
        const float x1 = cx + x / z * focal, y1 = cy + y / z * focal;
        const float x0 = cx + x / zBefore * focal, y0 = cy + y / zBefore * focal;
        const int steps = std::max(1, static_cast<int>(std::max(std::fabs(x1 - x0), std::fabs(y1 - y0))));
        for (int k = 0; k <= steps; ++k) {
            const int32_t px = static_cast<int32_t>(x0 + (x1 - x0) * k / steps);
            const int32_t py = static_cast<int32_t>(y0 + (y1 - y0) * k / steps);
            if (px < 0 || py < 0 || px >= width_ || py >= height_) continue;
            uint8_t& v = out[static_cast<size_t>(py) * width_ + px];
            const uint8_t streak = static_cast<uint8_t>(kStreak + level * k / steps);
            if (v < kStreak || v >= kDeep || v < streak) v = streak;
        }
    }
}

}  // namespace samples
