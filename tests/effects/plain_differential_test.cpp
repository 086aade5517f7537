// Every effect against its plain implementation (reference_effects.cpp) on random calls: random
// sizes, paddings, offsets and rectangles, the destination's guard bytes checked after each call,
// drawn with every kernel set this build and CPU can run. Calls the reference cannot make
// (samples outside the source, a surface drawn onto itself, the tunnel's rows) are checked against the plain kernel
// set. Each case is one routine, one seed and one set, so a failure names all three and any case can be run alone
// (--gtest_filter='*TintMaskScaled_seed7_avx2').
#include <cmath>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "demo/effects/effect_kernels.h"
#include "demo/effects/effects.h"
#include "simd/cpu_features.h"
#include "testkit/reference_effects.h"
#include "tests/effects/effects_test_support.h"

namespace {

// One random call: the surfaces it draws into with the routine and with its plain form.
struct RandomCall {
    std::mt19937 random;
    std::optional<TestSurface> fast;
    std::optional<TestSurface> plain;
};

int32_t Uniform(std::mt19937& random, int32_t low, int32_t high) {
    return std::uniform_int_distribution<int32_t>(low, high)(random);
}

// A destination width: every fourth seed wide enough to cross the SIMD kernels' 128-pixel chunks
// twice, the others narrow enough that the ends of the rows carry much of the work.
int32_t RunWidth(RandomCall& c, uint32_t seed, int32_t narrow) {
    return Uniform(c.random, 1, seed % 4 == 3 ? 300 : narrow);
}

void Randomise(TestSurface& surface, uint32_t seed) {
    std::mt19937 random(seed);
    surface.FillRandom(random);
}

// The destinations of a call: equal random pixels, w x rows plus a margin, with guard bytes.
void Destinations(RandomCall& call, int32_t w, int32_t rows, int32_t margin, int32_t padding, uint32_t seed) {
    for (std::optional<TestSurface>* surface : {&call.fast, &call.plain}) {
        surface->emplace(w + margin, rows + margin, TestSurface::Options{.padding = padding});
        Randomise(**surface, seed);
    }
}

// Corners up to reach pixels outside the source; a reach of 0 keeps every sample inside.
void QuadsReaching(RandomCall& c, uint32_t seed, int32_t reach) {
    const bool interlace = seed % 2 == 1;
    const int32_t sw = Uniform(c.random, 1, 40), sh = Uniform(c.random, 1, 40);
    const int32_t w = RunWidth(c, seed, 45), rows = Uniform(c.random, 1, 45), pad = Uniform(c.random, 0, 9);
    TestSurface src(sw, sh, {.padding = pad});
    Randomise(src, seed);
    Destinations(c, w, rows, 6, 9 - pad, 1000 + seed);
    int32_t q[8];
    for (int k = 0; k < 8; k += 2) {
        q[k] = Uniform(c.random, -reach, sw - 1 + reach);
        q[k + 1] = Uniform(c.random, -reach, sh - 1 + reach);
    }
    const int32_t dx = Uniform(c.random, 0, 6), dy = Uniform(c.random, 0, 6);
    const auto draw = interlace ? InterlaceQuad : ScanlineQuad;
    draw(&*c.fast, dx, dy, w, rows, &src, q[0], q[1], q[2], q[3], q[4], q[5], q[6], q[7]);
    if (reach > 0) {
        UseEffectKernels(&PlainEffectKernels());
        draw(&*c.plain, dx, dy, w, rows, &src, q[0], q[1], q[2], q[3], q[4], q[5], q[6], q[7]);
    } else {
        (interlace ? reference::InterlaceQuad : reference::ScanlineQuad)(&*c.plain, dx, dy, w, rows, &src, q);
    }
}

void Quads(RandomCall& c, uint32_t seed) { QuadsReaching(c, seed, 0); }
void QuadsLeavingTheSource(RandomCall& c, uint32_t seed) { QuadsReaching(c, seed, 30); }

// Rows of the tunnel over random tables and a 256 x 256 texture, odd widths included.
void TunnelRows(RandomCall& c, uint32_t seed) {
    TestSurface texture(256, 256, {.padding = static_cast<int32_t>(seed % 4)});
    Randomise(texture, seed);
    const uint8_t* rows[256];
    for (int32_t k = 0; k < 256; ++k) rows[k] = texture.Pixel(0, k);
    const int32_t columns = Uniform(c.random, 1, 700) * 2 - static_cast<int32_t>(seed % 2);
    std::vector<uint8_t> angles(columns), depths(columns);
    for (int32_t x = 0; x < columns; ++x) angles[x] = static_cast<uint8_t>(c.random()), depths[x] = c.random() & 0xFF;
    const int32_t phase = Uniform(c.random, -5000, 5000), lines = Uniform(c.random, 1, 4);
    Destinations(c, columns, lines, 0, Uniform(c.random, 0, 7), 900 + seed);
    for (int32_t y = 0; y < lines; ++y) {
        EffectKernelsInUse().tunnelRow(c.fast->Pixel(0, y), angles.data(), depths.data(), rows, phase, columns);
        PlainEffectKernels().tunnelRow(c.plain->Pixel(0, y), angles.data(), depths.data(), rows, phase, columns);
    }
}

void Tile(RandomCall& c, uint32_t seed) {
    const int32_t W = Uniform(c.random, 1, 30), H = Uniform(c.random, 1, 30);
    TestSurface src(W, H, {.padding = Uniform(c.random, 0, 6)});
    Randomise(src, seed);
    const int32_t sw = Uniform(c.random, 1, W), sh = Uniform(c.random, 1, H);
    const int32_t w = RunWidth(c, seed, 50), rows = Uniform(c.random, 1, 20);
    const int32_t sx = Uniform(c.random, -40, 40), sy = Uniform(c.random, -40, 40);
    const int32_t ox = Uniform(c.random, -100, 100), oy = Uniform(c.random, -100, 100);
    Destinations(c, w, rows, 3, 4, 500 + seed);
    const int32_t dx = Uniform(c.random, 0, 3), dy = Uniform(c.random, 0, 3);
    ScanlineTile(&*c.fast, dx, dy, w, rows, &src, sx, sy, sw, sh, ox, oy);
    reference::ScanlineTile(&*c.plain, dx, dy, w, rows, &src, sx, sy, sw, sh, ox, oy);
}

void Mask(RandomCall& c, uint32_t seed) {
    Destinations(c, 40, 30, 0, 3, seed);
    const int32_t x = Uniform(c.random, 0, 39), y = Uniform(c.random, 0, 29);
    const int32_t w = Uniform(c.random, 1, 40 - x), rows = Uniform(c.random, 1, 30 - y);
    ScanlineMask(&*c.fast, x, y, w, rows);
    reference::ScanlineMask(&*c.plain, x, y, w, rows);
}

void Blur(RandomCall& c, uint32_t seed) {
    const int32_t W = Uniform(c.random, 1, 50), H = Uniform(c.random, 1, 8);
    TestSurface src(W, H, {.padding = Uniform(c.random, 0, 5)});
    Randomise(src, seed);
    const int32_t sx = Uniform(c.random, 0, W - 1), sy = Uniform(c.random, 0, H - 1);
    const int32_t w = Uniform(c.random, 1, W - sx), rows = Uniform(c.random, 1, H - sy);
    const int32_t k = Uniform(c.random, 0, 7);
    // Most windows are the powers of two the scenes use; every third any width and shift.
    const int32_t window = seed % 3 == 0 ? Uniform(c.random, 0, 70) : 2 << k;
    const int32_t shift = seed % 3 == 0 ? Uniform(c.random, 0, 8) : k + 1;
    Destinations(c, w, rows, 4, 2, 100 + seed);
    const int32_t dx = Uniform(c.random, 0, 4), dy = Uniform(c.random, 0, 4);
    BoxBlurRows(&*c.fast, dx, dy, &src, sx, sy, w, rows, window, shift);
    reference::BoxBlurRows(&*c.plain, dx, dy, &src, sx, sy, w, rows, window, shift);
}

void Tint(RandomCall& c, uint32_t seed) {
    // Half the calls wide enough for the vector kernels' steps of sixteen weights and their chunks.
    const bool wide = seed % 4 >= 2;
    const int32_t w = Uniform(c.random, 1, wide ? 300 : 30), rows = Uniform(c.random, 1, 20);
    const int32_t mw = Uniform(c.random, 1, wide ? 330 : 40), mh = Uniform(c.random, 1, 40);
    TestSurface mask(mw, mh, {.pixels = seed % 2 == 0, .alpha = true, .alphaPadding = Uniform(c.random, 0, 5)});
    Randomise(mask, seed);
    // Half the masks are frames: clear between their edges, for the runs the kernels skip, and
    // solid at full strength on them, for the runs all at full strength.
    if (seed % 8 >= 4)
        for (int32_t y = 0; y < mh; ++y)
            for (int32_t x = 0; x < mw; ++x) *mask.Mask(x, y) = x >= mw / 8 && x < mw - mw / 8 ? 0 : 255;
    Destinations(c, w, rows, 5, 1, 300 + seed);
    const int32_t red = Uniform(c.random, 0, 255), green = Uniform(c.random, 0, 255), blue = Uniform(c.random, 0, 255);
    const int32_t dx = Uniform(c.random, 0, 5), dy = Uniform(c.random, 0, 5);
    if (seed % 3 == 0 && mw >= w && mh >= rows) {
        const int32_t mx = Uniform(c.random, 0, mw - w), my = Uniform(c.random, 0, mh - rows);
        TintMask(&*c.fast, dx, dy, &mask, mx, my, w, rows, red, green, blue);
        reference::TintMask(&*c.plain, dx, dy, &mask, mx, my, w, rows, red, green, blue);
        return;
    }
    // A mask rectangle that stays inside the mask after scaling.
    const float fw = static_cast<float>(Uniform(c.random, 1, mw * 8)) / 8.0f;
    const float fh = static_cast<float>(Uniform(c.random, 1, mh * 8)) / 8.0f;
    const float fx = static_cast<float>(Uniform(c.random, 0, static_cast<int32_t>((mw - fw) * 4))) / 4.0f;
    const float fy = static_cast<float>(Uniform(c.random, 0, static_cast<int32_t>((mh - fh) * 4))) / 4.0f;
    TintMaskScaled(&*c.fast, dx, dy, w, rows, &mask, fx, fy, fw, fh, red, green, blue);
    reference::TintMaskScaled(&*c.plain, dx, dy, w, rows, &mask, fx, fy, fw, fh, red, green, blue);
}

void Afterimage(RandomCall& c, uint32_t seed) {
    using Draw = void (*)(ISurface*, int32_t, int32_t, int32_t, int32_t, ISurface*, float, float, float, float);
    static constexpr struct {
        Draw draw;
        int keep, shift;
    } kVariants[3] = {{Afterimage16, 239, 4}, {Afterimage8, 223, 3}, {Afterimage4, 191, 2}};
    const auto& variant = kVariants[seed % 3];
    const int32_t sw = Uniform(c.random, 1, 40), sh = Uniform(c.random, 1, 40);
    TestSurface src(sw, sh, {.padding = Uniform(c.random, 0, 7)});
    Randomise(src, seed);
    const int32_t w = RunWidth(c, seed, 40), rows = Uniform(c.random, 1, 30);
    const float fw = static_cast<float>(Uniform(c.random, 1, sw * 10)) / 10.0f;
    const float fh = static_cast<float>(Uniform(c.random, 1, sh * 10)) / 10.0f;
    const float fx = static_cast<float>(Uniform(c.random, 0, static_cast<int32_t>((sw - fw) * 2))) * 0.5f;
    const float fy = static_cast<float>(Uniform(c.random, 0, static_cast<int32_t>((sh - fh) * 2))) * 0.5f;
    Destinations(c, w, rows, 2, 3, 700 + seed);
    const int32_t dx = Uniform(c.random, 0, 2), dy = Uniform(c.random, 0, 2);
    variant.draw(&*c.fast, dx, dy, w, rows, &src, fx, fy, fw, fh);
    reference::Afterimage(&*c.plain, dx, dy, w, rows, &src, fx, fy, fw, fh, variant.keep, variant.shift);
}

void TurnedQuad(RandomCall& c, uint32_t seed) {
    TestSurface src(90, 70, {.padding = 3});
    Randomise(src, 1);
    const float scale = static_cast<float>(Uniform(c.random, 2, 60)) / 10.0f;
    // The first seeds are a square at 45 degrees (two bands) and an upright picture (one band).
    const float turn = static_cast<float>(Uniform(c.random, 0, 3600)) / 10.0f;
    const float degrees = seed == 0 ? 45.0f : (seed == 1 ? 0.0f : turn);
    const float cx = static_cast<float>(Uniform(c.random, -100, 740));
    const float cy = static_cast<float>(Uniform(c.random, -100, 580));
    const Quad q = TurnedPicture(seed == 0 ? 70 : 90, 70, scale, degrees, cx, cy);
    if (seed < 2) {
        ASSERT_EQ(BuildQuadBands(q.destination).count, seed == 0 ? 2 : 1);
    }
    Destinations(c, 640, 480, 0, 0, 50 + seed);
    ScreenQuad(&*c.fast, q.destination, &src, q.source);
    reference::ScreenQuad(&*c.plain, q.destination, &src, q.source);
}

// A surface drawn onto itself by the quads, the tile, the afterimage or the screened quad.
void DrawnOntoItself(RandomCall& c, uint32_t seed) {
    Destinations(c, Uniform(c.random, 8, 60), Uniform(c.random, 8, 40), 0, Uniform(c.random, 0, 5), 1100 + seed);
    const int32_t w = c.fast->Width(), h = c.fast->Height();
    int32_t q[8];
    for (int k = 0; k < 8; k += 2) q[k] = Uniform(c.random, 0, w - 1), q[k + 1] = Uniform(c.random, 0, h - 1);
    const float turn = static_cast<float>(Uniform(c.random, 0, 359));
    const Quad turned = TurnedPicture(w, h, 0.8f, turn, static_cast<float>(w) * 0.5f, static_cast<float>(h) * 0.5f);
    for (TestSurface* s : {&*c.fast, &*c.plain}) {
        if (s == &*c.plain) UseEffectKernels(&PlainEffectKernels());
        switch (seed % 4) {
            case 0:
                ScanlineQuad(s, 0, 0, w, h, s, q[0], q[1], q[2], q[3], q[4], q[5], q[6], q[7]);
                break;
            case 1:
                ScanlineTile(s, 0, 0, w, h, s, 0, 0, w / 2, h / 2, q[0], q[1]);
                break;
            case 2:
                Afterimage16(s, 0, 0, w, h, s, 1.5f, 0.5f, static_cast<float>(w) - 2.0f, static_cast<float>(h) - 1.0f);
                break;
            default:
                ScreenQuad(s, turned.destination, s, turned.source);
                break;
        }
    }
}

// Pixels in a block that ends with the last one, no padding or guard after it, so that a
// sanitised build sees any read past the plane.
class TightSurface final : public ISurface {
public:
    TightSurface(int32_t width, int32_t height, bool upsideDown, std::mt19937& random)
        : width_(width), height_(height), bytes_(3 * static_cast<size_t>(width) * height), upsideDown_(upsideDown) {
        for (uint8_t& b : bytes_) b = static_cast<uint8_t>(random());
    }
    int32_t Identify() override { return 1; }
    int32_t Release() override { return 0; }
    uint8_t* PixelAt(int32_t x, int32_t y) override {
        return bytes_.data() + 3 * (static_cast<size_t>(upsideDown_ ? height_ - 1 - y : y) * width_ + x);
    }
    uint8_t* AlphaAt(int32_t, int32_t) override { return nullptr; }
    int32_t Width() override { return width_; }
    int32_t Height() override { return height_; }
    int32_t Depth() override { return 24; }
    int32_t Pitch() override { return upsideDown_ ? -3 * width_ : 3 * width_; }
    int32_t AlphaPitch() override { return 0; }
    bool HasPixels() override { return true; }
    bool IsHostOwned() override { return true; }

private:
    int32_t width_, height_;
    std::vector<uint8_t> bytes_;
    bool upsideDown_;
};

// Sources whose last pixel in memory ends their block, rows stored downwards or upwards, sampled
// all over by the interlaced quad, the afterimage and the screened quad.
void SourceEndingItsBlock(RandomCall& c, uint32_t seed) {
    TightSurface src(Uniform(c.random, 1, 12), Uniform(c.random, 1, 9), seed % 2 == 1, c.random);
    const int32_t sw = src.Width(), sh = src.Height();
    Destinations(c, RunWidth(c, seed, 40), Uniform(c.random, 2, 30), 0, 0, 1200 + seed);
    const int32_t w = c.fast->Width(), h = c.fast->Height();
    const Quad turned = TurnedPicture(sw, sh, 3.0f, static_cast<float>(Uniform(c.random, 0, 359)), 20.0f, 15.0f);
    for (TestSurface* d : {&*c.fast, &*c.plain}) {
        if (d == &*c.plain) UseEffectKernels(&PlainEffectKernels());
        switch (seed % 3) {
            case 0:
                InterlaceQuad(d, 0, 0, w, h, &src, 0, 0, sw, 0, sw, sh, 0, sh);
                break;
            case 1:
                Afterimage8(d, 0, 0, w, h, &src, 0.0f, 0.0f, static_cast<float>(sw), static_cast<float>(sh));
                break;
            default:
                ScreenQuad(d, turned.destination, &src, turned.source);
                break;
        }
    }
}

// Screened rows whose positions round outside the 32-bit range or are NaN: every set takes them
// to INT32_MIN, as cvtss2si does, and so to the first column or row.
void ScreenRunFarOff(RandomCall& c, uint32_t seed) {
    TestSurface src(20, 10, {.padding = 2});
    Randomise(src, seed);
    PlaneView in;
    ASSERT_TRUE(BindPixelPlane(&src, in));
    const float far[] = {3e9f, -3e9f, 1e30f, std::nanf(""), 2147483520.0f, -2147483648.0f, 7.5f};
    const float u = far[seed % 7], v = far[(seed / 7) % 7];
    const float du = static_cast<float>(Uniform(c.random, -3, 3)) * 1e9f, dv = seed % 2 == 0 ? 0.5f : -1e9f;
    Destinations(c, RunWidth(c, seed, 40), 1, 0, 0, 1300 + seed);
    const int32_t w = c.fast->Width();
    const uint8_t* screen = GraphScreenTable().rows[0];
    EffectKernelsInUse().screenRun(c.fast->Pixel(0, 0), in, screen, u, v, du, dv, w);
    PlainEffectKernels().screenRun(c.plain->Pixel(0, 0), in, screen, u, v, du, dv, w);
}

struct Routine {
    const char* name;
    void (*call)(RandomCall&, uint32_t seed);
};

constexpr Routine kRoutines[] = {{"ScanlineAndInterlaceQuad", Quads},
                                 {"QuadLeavingTheSource", QuadsLeavingTheSource},
                                 {"ScanlineTile", Tile},
                                 {"ScanlineMask", Mask},
                                 {"BoxBlurRows", Blur},
                                 {"TintMaskAndScaled", Tint},
                                 {"Afterimage", Afterimage},
                                 {"ScreenQuad", TurnedQuad},
                                 {"TunnelRow", TunnelRows},
                                 {"DrawnOntoItself", DrawnOntoItself},
                                 {"SourceEndingItsBlock", SourceEndingItsBlock},
                                 {"ScreenRunFarOff", ScreenRunFarOff}};
constexpr uint32_t kSeeds = 40;

using Case = std::tuple<Routine, uint32_t, const EffectKernels*>;

class MatchesThePlainImplementation : public EffectsTest, public testing::WithParamInterface<Case> {
protected:
    void TearDown() override {
        UseEffectKernels(nullptr);
        EffectsTest::TearDown();
    }
};

TEST_P(MatchesThePlainImplementation, OnARandomCall) {
    const auto [routine, seed, set] = GetParam();
    UseEffectKernels(set);
    RandomCall call{std::mt19937(seed * 7919u + 13u), std::nullopt, std::nullopt};
    routine.call(call, seed);
    if (HasFatalFailure()) return;
    ASSERT_EQ(call.fast->Pixels(), call.plain->Pixels());
    ASSERT_TRUE(call.fast->Intact());
    ASSERT_TRUE(call.plain->Intact());
}

INSTANTIATE_TEST_SUITE_P(Effects, MatchesThePlainImplementation,
                         testing::Combine(testing::ValuesIn(kRoutines), testing::Range(0u, kSeeds),
                                          testing::ValuesIn(EffectKernelSets())),
                         [](const testing::TestParamInfo<Case>& info) {
                             return std::string(std::get<0>(info.param).name) + "_seed" +
                                    std::to_string(std::get<1>(info.param)) + "_" + std::get<2>(info.param)->name;
                         });

// effects_test_baseline runs this with PRELO_FORCE_BASELINE=1, and the golden frames beside it.
TEST(EffectKernelChoice, IsTheWidestSetUnlessTheBaselineSwitchIsOn) {
    const EffectKernels* sets[8];
    const int32_t count = AvailableEffectKernels(sets, 8);
    ASSERT_GE(count, 1);
    EXPECT_EQ(sets[0], &PlainEffectKernels());
    const bool baseline = simd::SwitchedOn("PRELO_FORCE_BASELINE");
    EXPECT_STREQ((baseline ? sets[0] : sets[count - 1])->name, ChosenEffectKernels().name);
    EXPECT_EQ(&ChosenEffectKernels(), &EffectKernelsInUse());
}

}  // namespace
