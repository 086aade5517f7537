#include "demo/scenes/scenes.h"
#include "tests/scenes/scene_expect.h"
#include "tests/scenes/test_archive.h"

namespace {

TEST(FadeInScene, FadesTheCropInAndCopiesItWhenTheWindowEnds) {
    SceneHarness harness;
    const std::vector<uint32_t> times = {0, 2500, 4999, 5000};
    const SceneRun run = harness.Play(0, times);
    EXPECT_TRUE(run.result);
    EXPECT_TRUE(run.passes[0].empty()) << "scene 0 draws over what the screen holds";
    auto fade = [](int32_t level) {
        return Drawn({Call("CopyLevel", kScreen, 0, 0, Cg(12), 128, 128, 640, 480, level)});
    };
    ExpectFrames(run, times,
                 {fade(0), fade(127), fade(254), Drawn({Call("Copy", kScreen, 0, 0, Cg(12), 128, 128, 640, 480)})});
}

TEST(RippleScene, WritesPixelsDirectlyAndEndsOnBlack) {
    SceneHarness harness;
    const std::vector<uint32_t> times = {5000, 9000, 10999, 11000, 12499, 12500};
    const SceneRun run = harness.Play(1, times);
    EXPECT_TRUE(run.result);
    EXPECT_TRUE(run.passes[0].empty());
    const Calls plain = Drawn({});
    ExpectFrames(run, times,
                 {plain, plain, plain, plain, plain, Drawn({Call("FillRect", kScreen, 0, 0, 640, 480, 0, 0, 0)})});
    EXPECT_TRUE(harness.context.sceneTableA.Empty());
    EXPECT_TRUE(harness.context.sceneTableB.Empty());
    EXPECT_EQ(harness.context.sceneRows, nullptr);
}

TEST(RippleScene, KeepsItsTablesForTheReleaseWhenTheDemoStops) {
    SceneHarness harness;
    const SceneRun run = harness.Play(1, {6000});
    EXPECT_FALSE(run.result);
    // KeepRunning said stop: the whole demo was released, the scene's tables with it.
    EXPECT_TRUE(harness.context.sceneTableA.Empty());
    EXPECT_EQ(harness.context.sceneRows, nullptr);
}

Calls CaptionFrame(int32_t picture, int32_t w, int32_t h) {
    return Drawn(
        {Call("ShapeColorLevel", kScreen, (640 - w) / 2, (480 - h) / 2, Cg(picture), 0, 0, w, h, 0, 0, 0, 64)});
}

TEST(RotatingExposureScene, ShowsEachCaptionOnlyInsideItsTimes) {
    SceneHarness harness;
    const std::vector<uint32_t> times = {12500, 13646, 13647, 14572, 14573, 15483, 16492, 16493,
                                         17468, 18394, 18395, 19398, 19399, 19999, 20000};
    const int32_t parityBefore = FrameParity();
    const SceneRun run = harness.Play(2, times);
    EXPECT_TRUE(run.result);
    EXPECT_EQ(run.passes[0], Calls({Call("FillRect", kScreen, 0, 0, 640, 480, 0, 0, 0)}));
    const Calls none = Drawn({});
    const Calls caption22 = CaptionFrame(22, 301, 41);
    const Calls caption25 = CaptionFrame(25, 303, 43);
    const Calls caption24 = CaptionFrame(24, 302, 42);
    ExpectFrames(run, times,
                 {none, none, caption22, caption22, none, caption25, caption25, none, caption24, caption24, none, none,
                  none, none, Drawn({Call("Copy", kScreen, 0, 0, Cg(33), 0, 0, 640, 480)})});
    // One count per frame drawn before the focus phase (12 of the 14 drawn frames).
    EXPECT_EQ(FrameParity() - parityBefore, 12);
}

TEST(RotatingExposureScene, RefreshesTheFieldThatTheParityNames) {
    SceneHarness harness;
    FrameParity() = 0;
    harness.Play(2, {12500, 20000});
    auto rowTouched = [&](int32_t row) {
        const uint8_t* p = harness.screen.PixelAt(0, row);
        for (int32_t i = 0; i < 640 * 3; ++i) {
            if (p[i] != 0) return true;
        }
        return false;
    };
    EXPECT_TRUE(rowTouched(0));
    EXPECT_FALSE(rowTouched(1));
    EXPECT_EQ(FrameParity(), 1);
    harness.Play(2, {12501});
    EXPECT_TRUE(rowTouched(1));
}

TEST(RotatingExposureScene, FocusPhaseBlursTheClosingPictureOntoTheScreen) {
    SceneHarness harness;
    harness.Play(2, {19900});
    // k = (20000 - 19900) * 10 / 601 = 1: a mean of 4 neighbours of the closing picture's row. Far from
    // the edges pixel x of row y is the mean of x-2..x+1.
    const int32_t x = 100;
    const int32_t y = 50;
    for (int32_t c = 0; c < 3; ++c) {
        int32_t sum = 0;
        for (int32_t j = x - 2; j <= x + 1; ++j) sum += TestPictureByte(33, j, y, c);
        EXPECT_EQ(harness.screen.PixelAt(x, y)[c], sum >> 2) << "channel " << c;
    }
}

}  // namespace
