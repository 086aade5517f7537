// A number key pressed in the middle of a scene, on the music path where jumps work: the demo
// plays its own music file on the platform's waveaudio device, on the virtual clock.
#if !defined(_WIN32)

#include <algorithm>
#include <string>

#include "platform/clock.h"
#include "platform/keys.h"
#include "tests/scenes/scene_expect.h"
#include "tests/support/held_keys.h"
#include "tests/support/host_doubles.h"
#include "tests/support/test_files.h"

namespace {

TEST(JumpKey, ZeroInTheMiddleOfSceneThreeEndsItAndTheMovieSceneFollows) {
    // The host cannot play the music, so the demo plays the file itself. Sound and input
    // outlive the harness, whose clean-up still speaks to them.
    FakeSound sound;
    sound.prepareResult = sound.startResult = false;
    FakeInput input;
    SceneHarness harness;  // opens the test archive from the program's folder
    ScopedWorkFolder folder;
    ASSERT_TRUE(WriteFile("Vuvi01.wav", MakeWave(125000)));
    platform::SetVirtualClock(5000000);
    ASSERT_TRUE(harness.context.hostSound.Bind(&sound, &harness.clock));
    harness.context.input = &input;
    harness.context.loopMusic = false;
    harness.context.initialised = true;
    // 40 ms frames; the music starts at 0, so frame 520 is at 20800 ms, inside scene 3, where
    // '0' goes down for 20 ms of the clock.
    HeldKeys held;
    harness.loop.frameMs = 40;
    harness.loop.stopAfterCalls = 561;
    harness.loop.eachCall = [&] {
        harness.log.StartPass();
        if (harness.loop.keepRunningCalls == 520) held.Hold({{'0', 20}});
    };
    harness.log.Reset();
    harness.context.Run();

    std::vector<std::string> calls;
    for (const auto& pass : harness.log.Passes()) calls.insert(calls.end(), pass.begin(), pass.end());
    // Scene 3 draws its backdrop every frame; after the jump the movie scene clears the screen
    // and presents it once, and no scene between them ran.
    const std::string sceneTenStart = Call("FillRect", kScreen, 0, 0, 640, 480, 0, 0, 0);
    auto lastBackdrop = calls.end();
    for (auto it = calls.begin(); it != calls.end(); ++it) {
        if (it->rfind("Copy(screen, 0, 0, cg20", 0) == 0) lastBackdrop = it;
    }
    ASSERT_NE(lastBackdrop, calls.end()) << "scene 3 never drew";
    auto next = std::find_if(lastBackdrop, calls.end(), [](const std::string& call) {
        return call.rfind("Present", 0) != 0 && call.rfind("Copy(screen, 0, 0, cg20", 0) != 0 &&
               call.rfind("ShapeColor(screen", 0) != 0 && call.rfind("BlendAlpha(screen, 0, 0, cg19", 0) != 0;
    });
    ASSERT_NE(next, calls.end());
    EXPECT_EQ(*next, sceneTenStart);
    EXPECT_EQ(harness.layerforge.released, harness.layerforge.created);
    EXPECT_EQ(harness.layerforge.releasedTwice, 0);
}

}  // namespace

#endif
