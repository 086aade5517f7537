#include "tests/scenes/scene_expect.h"

namespace {

// Scene 3: backdrop CG 20 is 640 x 900, so the scroll runs over 420 rows.
Calls BackdropCopy(int32_t d) { return {Call("Copy", kScreen, 0, 0, Cg(20), 0, 420 * (7754 - d) / 7754, 640, 480)}; }

Calls Then(Calls first, const Calls& more) {
    first.insert(first.end(), more.begin(), more.end());
    return first;
}

const std::string kOverlay19 = Call("BlendAlpha", kScreen, 0, 0, Cg(19), 0, 0, 640, 480);

TEST(PanningBackdropScene, CaptionsThenClosingBarsThenTheStrip) {
    SceneHarness harness;
    const std::vector<uint32_t> times = {20000, 22000, 25896, 25897, 25981, 26066, 27753, 27754};
    const SceneRun run = harness.Play(3, times);
    EXPECT_TRUE(run.result);
    EXPECT_TRUE(run.passes[0].empty());
    auto caption = [](int32_t picture, int32_t w, int32_t h) {
        return Call("ShapeColor", kScreen, (440 - w) / 2 + 200, 360, Cg(picture), 0, 0, w, h, 255, 255, 255);
    };
    auto bars = [](int32_t a) {
        return Calls{Call("FillRect", kScreen, 0, 0, 640, a, 0, 0, 0),
                     Call("FillRect", kScreen, 0, 480 - a, 640, a, 0, 0, 0)};
    };
    const std::string strip = Call("Copy", kScreen, 70, 400, Cg(17), 0, 0, 500, 60);
    ExpectFrames(run, times,
                 {
                     Drawn(Then(BackdropCopy(0), {caption(38, 200, 30), kOverlay19})),
                     Drawn(Then(BackdropCopy(2000), {caption(39, 210, 31), kOverlay19})),
                     Drawn(Then(BackdropCopy(5896), {caption(40, 220, 32), kOverlay19})),
                     Drawn(Then(BackdropCopy(5897), {kOverlay19})),  // bar height 0: no bars
                     Drawn(Then(Then(BackdropCopy(5981), bars(84 * 100 / 169)), {kOverlay19})),
                     Drawn(Then(Then(BackdropCopy(6066), bars(100)), {strip, kOverlay19})),
                     Drawn(Then(Then(BackdropCopy(7753), bars(100)), {strip, kOverlay19})),
                     {},
                 });
}

TEST(ZoomAndTitleScene, ZoomBandCaptionsSlideAndTitleWash) {
    SceneHarness harness;
    const std::vector<uint32_t> times = {27754, 29501, 29502, 30749, 30750, 31249, 31250,
                                         32000, 32500, 33183, 33184, 35099, 35100};
    const SceneRun run = harness.Play(4, times);
    EXPECT_TRUE(run.result);
    const std::string topBar = Call("FillRect", kScreen, 0, 0, 640, 80, 0, 0, 0);
    const std::string bottomBar = Call("FillRect", kScreen, 0, 400, 640, 80, 0, 0, 0);
    const std::string caption41 = Call("ShapeColor", kScreen, 170, 215, Cg(41), 0, 0, 300, 50, 0, 0, 0);
    const std::string caption42 = Call("ShapeColor", kScreen, 165, 214, Cg(42), 0, 0, 310, 52, 0, 0, 0);
    // CG 7 is 200 x 400: it slides from x = 220 to 440 while the band darkens.
    auto darkening = [](int32_t t) {
        const int32_t level = (t - 30750) * 255 / 500;
        return Calls{Call("FillRectLevel", kScreen, 0, 80, 640, 320, 0, 0, 0, level),
                     Call("BlendAlphaLevel", kScreen, 220 + 220 * (t - 30750) / 500, 0, Cg(7), 0, 0, 200, 400, level)};
    };
    const std::string bandBlack = Call("FillRect", kScreen, 0, 80, 640, 320, 0, 0, 0);
    const std::string side = Call("BlendAlpha", kScreen, 440, 0, Cg(7), 0, 0, 200, 400);
    auto fadingTitle = [](int32_t x, int32_t level) {
        return Call("ShapeColorLevel", kScreen, x, 195, Cg(18), 0, 0, 380, 90, 255, 0, 0, level);
    };
    const std::string title = Call("ShapeColor", kScreen, 130, 195, Cg(18), 0, 0, 380, 90, 255, 0, 0);
    auto wash = [](int32_t level) {
        return Call("WashShape", kScreen, 0, 0, 640, 480, Cg(15), 0, 0, 255, 0, 0, level);
    };
    ExpectFrames(run, times,
                 {
                     Drawn({topBar, bottomBar, caption41}),
                     Drawn({topBar, bottomBar, caption41}),  // d = 1747
                     Drawn({topBar, bottomBar, caption42}),  // d = 1748
                     Drawn({topBar, bottomBar, caption42}),
                     Drawn(Then({topBar, bottomBar, caption42}, darkening(30750))),
                     Drawn(Then({topBar, bottomBar, caption42}, darkening(31249))),
                     Drawn({topBar, bandBlack, bottomBar, fadingTitle(110, 0), side}),
                     Drawn({topBar, bandBlack, bottomBar, fadingTitle(122, 153), side}),
                     Drawn({topBar, bandBlack, bottomBar, title, side}),
                     Drawn({topBar, bandBlack, bottomBar, title, side}),
                     Drawn({topBar, bandBlack, bottomBar, title, side, wash(0)}),
                     Drawn({topBar, bandBlack, bottomBar, title, side, wash((35099 * 255 - 8461920) / 1916)}),
                     {},
                 });
    EXPECT_EQ(darkening(31249)[1], Call("BlendAlphaLevel", kScreen, 439, 0, Cg(7), 0, 0, 200, 400, 254));
}

TEST(ZoomOutAndWipeScene, CrossFadeThenColumnWipe) {
    SceneHarness harness;
    const std::vector<uint32_t> times = {35100, 36000, 37000, 38455, 38456, 40869, 40870, 41500, 42671, 42672};
    const SceneRun run = harness.Play(5, times);
    EXPECT_TRUE(run.result);
    const std::string copy = Call("Copy", kScreen, 0, 0, Cg(33), 0, 0, 640, 480);
    auto blend = [](int32_t level) { return Call("BlendConst", kScreen, 0, 0, Cg(33), 0, 0, 640, 480, level); };
    auto black = [](int32_t x, int32_t rows) { return Call("FillRect", kScreen, x, 0, 160, rows, 0, 0, 0); };
    auto column = [](int32_t x, int32_t f, int32_t level) {
        return Calls{Call("FillRect", kScreen, x, 0, 160, f, 0, 0, 0),
                     Call("Copy", kScreen, x, f, Cg(33), x, 0, 160, 480 - f),
                     Call("DimRect", kScreen, x, f, 160, 480 - f, level)};
    };
    ExpectFrames(run, times,
                 {
                     Drawn({}),  // d = 0: nothing to zoom
                     Drawn({}),  // afterimage only
                     Drawn({blend(0)}),
                     Drawn({blend(254)}),
                     Drawn({copy}),
                     Drawn({copy}),
                     Drawn(Then({copy}, column(0, 0, 255))),
                     // f = 671: one black column, then 191 rows into the second.
                     Drawn(Then({copy, black(0, 480)}, column(160, 191, 154))),
                     // f = 1918: three black columns, the fourth moved down by 478 rows.
                     Drawn(Then({copy, black(0, 480), black(160, 480), black(320, 480)}, column(480, 478, 2))),
                     {},
                 });
}

}  // namespace
