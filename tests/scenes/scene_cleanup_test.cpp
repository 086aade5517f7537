#include <algorithm>

#include "interfaces/guids.h"
#include "platform/clock.h"
#include "tests/scenes/scene_expect.h"

namespace {

constexpr int32_t kPicturesLoaded[12] = {1, 1, 5, 7, 7, 1, 9, 5, 4, 7, 0, 2};

void ExpectEveryPictureReleasedOnce(const CountingLayerforge& factory, int32_t expected) {
    EXPECT_EQ(factory.released, expected);
    EXPECT_EQ(factory.releasedTwice, 0);
}

TEST(SceneCleanup, AFailingPictureAtAnyPositionReleasesTheOthersAndEndsTheDemo) {
    for (int32_t scene = 0; scene < 12; ++scene) {
        for (int32_t failing = 0; failing < kPicturesLoaded[scene]; ++failing) {
            SCOPED_TRACE(testing::Message() << "scene " << scene << ", picture " << failing);
            SceneHarness harness;
            harness.layerforge.refuse = failing;
            const SceneRun run = harness.Play(scene, {SceneHarness::StartOf(scene)});
            EXPECT_FALSE(run.result);
            EXPECT_EQ(harness.loop.Used(), 0u) << "no frame after a failed load";
            EXPECT_EQ(harness.layerforge.created, failing + 1) << "loading stops at the first failure";
            ExpectEveryPictureReleasedOnce(harness.layerforge, failing);
        }
    }
}

TEST(SceneCleanup, HostStopInsideEverySceneReleasesTheDemoAndThePictures) {
    for (int32_t scene = 0; scene < 12; ++scene) {
        SCOPED_TRACE(testing::Message() << "scene " << scene);
        SceneHarness harness;
        // One frame inside the window, then KeepRunning says stop. The movie scene has no movie
        // here, so it is stopped before its first frame.
        std::vector<uint32_t> times;
        if (scene != 10) times.push_back(SceneHarness::StartOf(scene) + 100);
        const SceneRun run = harness.Play(scene, times);
        EXPECT_FALSE(run.result);
        ExpectEveryPictureReleasedOnce(harness.layerforge, kPicturesLoaded[scene]);
        EXPECT_EQ(harness.context.schedule, nullptr) << "ReleaseAll ran";
        EXPECT_EQ(harness.context.archive.EntryCount(), 0u);
        EXPECT_TRUE(harness.context.sceneTableA.Empty());
        EXPECT_EQ(harness.context.sceneRows, nullptr);
    }
}

TEST(SceneCleanup, MovieSceneEndsTheDemoWhenAFrameCannotBeDecoded) {
    SceneHarness harness;
    // No movie is open: frame 0 does not exist.
    const SceneRun run = harness.Play(10, {SceneHarness::StartOf(10)});
    EXPECT_FALSE(run.result);
    EXPECT_EQ(run.passes[0],
              Calls({Call("FillRect", kScreen, 0, 0, 640, 480, 0, 0, 0), Call("Present", 0, 0, 640, 480)}));
    EXPECT_EQ(run.passes.size(), 2u);
    EXPECT_TRUE(run.passes[1].empty()) << "no Present for a movie frame";
}

TEST(SceneCleanup, ATimeJumpMidSceneEndsItWithItsFinalFrame) {
    SceneHarness harness;
    // '0' jumps the music to scene 10 in the middle of scene 0.
    const SceneRun fade = harness.Play(0, {2000, SceneHarness::StartOf(10)});
    EXPECT_TRUE(fade.result);
    EXPECT_EQ(fade.passes.back(), Drawn({Call("Copy", kScreen, 0, 0, Cg(12), 128, 128, 640, 480)}));
    // '1' jumps back to the start in the middle of scene 4, which has no final frame.
    const SceneRun zoom = harness.Play(4, {30000, 0});
    EXPECT_TRUE(zoom.result);
    EXPECT_TRUE(zoom.passes.back().empty());
    EXPECT_EQ(harness.layerforge.released, harness.layerforge.created);
}

TEST(SceneCleanup, ASceneEnteredOutsideItsWindowDrawsOnlyItsFinalFrame) {
    SceneHarness harness;
    const SceneRun run = harness.Play(2, {21000});
    EXPECT_TRUE(run.result);
    ASSERT_EQ(run.passes.size(), 2u);
    EXPECT_EQ(run.passes[1], Drawn({Call("Copy", kScreen, 0, 0, Cg(33), 0, 0, 640, 480)}));
    // The ripple builds its tables first, then frees them with its final frame.
    const SceneRun ripple = harness.Play(1, {0});
    EXPECT_TRUE(ripple.result);
    EXPECT_EQ(ripple.passes[1], Drawn({Call("FillRect", kScreen, 0, 0, 640, 480, 0, 0, 0)}));
    EXPECT_TRUE(harness.context.sceneTableB.Empty());
}

TEST(SceneCleanup, MusicLoopingBackFromTheLastSceneStartsTheFirstAgain) {
    // The host's music, endless, already playing at 107800 ms of a 125000 ms piece. Sound and
    // input outlive the harness, whose clean-up gives the music back its repeat mode.
    constexpr uint32_t kWrap = 125000;
    FakeSound sound;
    sound.lengthMs = kWrap;
    sound.repeatMode = -1;
    sound.started = true;
    sound.startTick = sound.startOffsetMs = 107800;
    FakeInput input;
    SceneHarness harness;
    platform::SetVirtualClock(107800);
    harness.context.input = &input;
    harness.context.hostSoundInUse = false;
    ASSERT_TRUE(harness.context.hostSound.Bind(&sound, &harness.clock));
    harness.context.initialised = true;
    harness.loop.SetScript({107800, 110000, kWrap + 40, kWrap + 60, kWrap + 100});
    harness.log.Reset();
    harness.context.RunSchedule();
    std::vector<std::string> calls;
    for (const auto& pass : harness.log.Passes()) calls.insert(calls.end(), pass.begin(), pass.end());
    auto position = [&](const std::string& call) {
        return std::find(calls.begin(), calls.end(), call) - calls.begin();
    };
    // Scene 11 drew at 110000 ms; after the wrap scene 0 loaded CG 12 again and faded it in at
    // level 100 * 255 / 5000 = 5.
    const auto fade = position(Call("CopyLevel", kScreen, 0, 0, Cg(12), 128, 128, 640, 480, 5));
    const auto lastScroll =
        position(Call("BlendConst", kScreen, 0, 0, Cg(50), 0, 720 - 2263 * 720 / 9984, 640, 480, 64));
    ASSERT_LT(lastScroll, static_cast<long>(calls.size()));
    ASSERT_LT(fade, static_cast<long>(calls.size()));
    EXPECT_LT(lastScroll, fade);
    EXPECT_EQ(harness.layerforge.released, harness.layerforge.created);
}

}  // namespace
