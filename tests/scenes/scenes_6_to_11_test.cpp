#include "tests/scenes/scene_expect.h"

namespace {

Calls Then(Calls first, const Calls& more) {
    first.insert(first.end(), more.begin(), more.end());
    return first;
}

// Scene 6: CG 31 is 284 x 100, so its offset cycles through 380 rows.
int32_t ColumnOffset(int32_t d) { return (380 * d * 12 / 7471) % 380; }

TEST(SpinningPicturesScene, SpinPhaseThenStripPhase) {
    SceneHarness harness;
    const std::vector<uint32_t> times = {42672, 44560, 44561, 46450, 46451, 47000, 48999, 49000, 50142, 50143};
    const SceneRun run = harness.Play(6, times);
    EXPECT_TRUE(run.result);
    auto spin = [](int32_t d, bool firstCaption) {
        return Drawn({Call("DimRect", kScreen, 0, 0, 640, 480, 160),
                      Call("BlendOverlay", kScreen, 0, 0, Cg(29), 0, 0, 640, 480),
                      Call("TileOffset", kScreen, 356, 0, 284, 480, Cg(31), 0, 0, 284, 100, 0, ColumnOffset(d)),
                      firstCaption ? Call("ShapeColor", kScreen, 155, 220, Cg(43), 0, 0, 330, 40, 255, 255, 255)
                                   : Call("ShapeColor", kScreen, 150, 218, Cg(44), 0, 0, 340, 44, 255, 255, 255)});
    };
    auto strip = [](uint32_t t, bool column) {
        const int32_t d = static_cast<int32_t>(t) - 42672;
        int32_t width = 213 * (static_cast<int32_t>(t) - 46451) / 1549;
        if (width > 213) width = 213;
        Calls calls = {Call("FillRect", kScreen, 0, 0, 640, 480, 0, 0, 0),
                       Call("TileOffset", kScreen, 0, 0, width, 480, Cg(9), 0, 0, 64, 48,
                            static_cast<int32_t>(t / 4 % 64), static_cast<int32_t>(t / 4 % 48)),
                       Call("BlendAlpha", kScreen, 0, 0, Cg(5), 0, 0, 200, 100),
                       Call("BlendOverlay", kScreen, 0, 0, Cg(29), 0, 0, 640, 480),
                       Call("Copy", kScreen, 381, 90, Cg(28), 0, 0, 259, 300)};
        if (column) {
            const int32_t level = 255 + ((46451 - static_cast<int32_t>(t)) * 255) / 2549;
            calls.push_back(
                Call("TileOffsetLevel", kScreen, 356, 0, 284, 480, Cg(31), 0, 0, 284, 100, 0, ColumnOffset(d), level));
        }
        return Drawn(calls);
    };
    ExpectFrames(run, times,
                 {spin(0, true),
                  spin(1888, true),
                  spin(1889, false),
                  spin(3778, false),
                  strip(46451, true),
                  strip(47000, true),
                  strip(48999, true),
                  strip(49000, false),
                  strip(50142, false),
                  {}});
    // At 46451 the strip has no width yet and the column is still at full level.
    EXPECT_NE(run.passes[5][1].find("TileOffset(screen, 0, 0, 0, 480"), std::string::npos) << run.passes[5][1];
    EXPECT_EQ(run.passes[5][5].substr(run.passes[5][5].size() - 5), " 255)");
}

TEST(RisingRevealScene, RevealTilesOverlayFadeAndTitle) {
    SceneHarness harness;
    const std::vector<uint32_t> times = {50143, 52499, 52500, 53413, 53414, 53999, 54000, 57170, 57171};
    const SceneRun run = harness.Play(7, times);
    EXPECT_TRUE(run.result);
    const std::string shape = Call("ShapeColorLevel", kScreen, 0, 380, Cg(27), 0, 0, 640, 100, 0, 0, 0, 48);
    const std::string overlay = Call("BlendAlpha", kScreen, 490, 0, Cg(30), 0, 0, 150, 480);
    auto blend = [](int32_t t) {
        return Call("BlendConst", kScreen, 0, 0, Cg(47), 0, 0, 640, 520, (t - 52500) * 255 / 1500);
    };
    const std::string copy = Call("Copy", kScreen, 0, 0, Cg(47), 0, 0, 640, 520);
    auto tiles = [](int32_t t) {
        const int32_t d = t - 50143;
        return Call("TileOffset", kScreen, 80, 0, 120, 480, Cg(21), 0, 0, 120, 200, 0, (d / -4) % 200);
    };
    auto fadingOverlay = [](int32_t level) {
        return Call("BlendAlphaLevel", kScreen, 490, 0, Cg(30), 0, 0, 150, 480, level);
    };
    // CG 21 is 120 wide and CG 45 400 x 80: the title stands at (220, 200).
    auto fadingTitle = [](int32_t level) {
        return Calls{Call("ShapeColorLevel", kScreen, 222, 202, Cg(45), 0, 0, 400, 80, 0, 0, 0, level),
                     Call("ShapeColorLevel", kScreen, 220, 200, Cg(45), 0, 0, 400, 80, 255, 0, 0, level)};
    };
    const Calls title = {Call("ShapeColor", kScreen, 222, 202, Cg(45), 0, 0, 400, 80, 0, 0, 0),
                         Call("ShapeColor", kScreen, 220, 200, Cg(45), 0, 0, 400, 80, 255, 0, 0)};
    ExpectFrames(run, times,
                 {
                     Drawn({shape, overlay}),
                     Drawn({shape, overlay}),
                     Drawn({blend(52500), shape, overlay}),
                     Drawn({blend(53413), shape, overlay}),
                     Drawn(Then({blend(53414), tiles(53414), fadingOverlay(255)}, fadingTitle(0))),
                     Drawn(Then({blend(53999), tiles(53999), fadingOverlay(1)}, fadingTitle(254))),
                     Drawn(Then({copy, tiles(54000)}, title)),
                     Drawn(Then({copy, tiles(57170)}, title)),
                     {},
                 });
    EXPECT_EQ(tiles(54000), Call("TileOffset", kScreen, 80, 0, 120, 480, Cg(21), 0, 0, 120, 200, 0, -164));
}

TEST(TunnelScene, EachPicturePulsesUpToNinetySixAndBack) {
    SceneHarness harness;
    const std::vector<uint32_t> times = {57171, 57804, 58436, 58437, 58881, 59324, 59325, 60106, 60886, 60887};
    const SceneRun run = harness.Play(8, times);
    EXPECT_TRUE(run.result);
    auto pulse = [](int32_t picture, int32_t x, int32_t w, int32_t level) {
        return Drawn({Call("BlendAlphaLevel", kScreen, x, 0, Cg(picture), 0, 0, w, 480, level)});
    };
    ExpectFrames(run, times,
                 {pulse(14, 0, 220, 0),
                  pulse(14, 0, 220, 96),
                  pulse(14, 0, 220, 1),
                  pulse(11, 440, 200, 0),
                  pulse(11, 440, 200, 96),
                  pulse(11, 440, 200, 1),
                  pulse(10, 170, 300, 0),
                  pulse(10, 170, 300, 96),
                  pulse(10, 170, 300, 1),
                  {}});
}

TEST(ZoomCollageScene, OpeningZoomLayersAndThreePartBuild) {
    SceneHarness harness;
    const std::vector<uint32_t> times = {60887, 61099, 61100, 63370, 63371, 63698, 63699, 64030, 64031, 64736, 64737};
    const SceneRun run = harness.Play(9, times);
    EXPECT_TRUE(run.result);
    EXPECT_EQ(run.passes[0], Calls({Call("FillRect", kScreen, 0, 0, 640, 480, 0, 0, 0)}));
    const std::string opening = Call("Copy", kScreen, 0, 0, Cg(51), 0, 0, 640, 480);
    auto zoom = [](int32_t d) {
        const float fw = static_cast<float>(-320 * d) / 2484.0f + 640.0f - 1.0f;
        const float fh = static_cast<float>(-240 * d) / 2484.0f + 480.0f - 1.0f;
        return Drawn({Call("ZoomRect", kScreen, 0, 0, 640, 480, Cg(54), (640.0f - fw) * 0.5f, (480.0f - fh) * 0.5f, fw,
                           fh, 16)});
    };
    const std::string clear = Call("FillRect", kScreen, 0, 0, 640, 480, 0, 0, 0);
    auto white = [](int32_t picture, int32_t x, int32_t w) {
        return Call("ShapeColor", kScreen, x, 0, Cg(picture), 0, 0, w, 480, 255, 255, 255);
    };
    auto level = [](int32_t picture, int32_t x, int32_t w, int32_t value) {
        return Call("BlendAlphaLevel", kScreen, x, 0, Cg(picture), 0, 0, w, 480, value);
    };
    auto ghost = [](int32_t picture, int32_t x) {
        return Call("BlendLevel", kScreen, x, 0, Cg(picture), 0, 0, 320, 480, 64);
    };
    const std::string background = Call("Copy", kScreen, 0, 0, Cg(46), 0, 0, 640, 480);
    const std::string left = Call("BlendAlpha", kScreen, 0, 0, Cg(49), 0, 0, 320, 480);
    ExpectFrames(run, times,
                 {
                     Drawn({opening}),
                     Drawn({opening}),
                     zoom(213),
                     zoom(2483),
                     Drawn({clear, white(46, 0, 640), level(46, 0, 640, 0), ghost(49, 0), ghost(48, 320)}),
                     Drawn({clear, white(46, 0, 640), level(46, 0, 640, 254), ghost(49, 0), ghost(48, 320)}),
                     Drawn({background, white(49, 0, 320), level(49, 0, 320, 0), ghost(48, 320)}),
                     Drawn({background, white(49, 0, 320), level(49, 0, 320, 254), ghost(48, 320)}),
                     Drawn({background, left, white(48, 320, 320), level(48, 320, 320, 0)}),
                     Drawn({background, left, white(48, 320, 320), level(48, 320, 320, 254)}),
                     {},
                 });
}

TEST(ClosingScrollScene, ScrollsUpTheTallPictureThenShowsTheClosingOne) {
    SceneHarness harness;
    const std::vector<uint32_t> times = {107737, 112000, 117720, 117721, 124633, 124634};
    const SceneRun run = harness.Play(11, times);
    EXPECT_TRUE(run.result);
    const std::string clear = Call("FillRect", kScreen, 0, 0, 640, 480, 0, 0, 0);
    EXPECT_EQ(run.passes[0], Calls({clear})) << "the screen is cleared before the pictures load";
    // CG 50 is 1200 rows tall: the view rises over 720 rows.
    auto scroll = [](int32_t sourceY) {
        return Drawn({Call("BlendConst", kScreen, 0, 0, Cg(50), 0, sourceY, 640, 480, 64)});
    };
    const Calls closing = Drawn({clear, Call("Copy", kScreen, 170, 140, Cg(0), 0, 0, 300, 200)});
    ExpectFrames(run, times, {scroll(720), scroll(720 - 4263 * 720 / 9984), scroll(1), closing, closing, {}});
}

}  // namespace
