// A number key pressed in the middle of a scene, on the music path where jumps work: the demo
// plays its own music file on the platform's waveaudio device, on the virtual clock.
#if !defined(_WIN32)

#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "platform/clock.h"
#include "platform/keys.h"
#include "tests/scenes/scene_expect.h"
#include "tests/support/held_keys.h"

namespace {

// Eight-bit mono samples at 1000 Hz for the whole timeline.
bool WriteMusicFile(const char* name, uint32_t lengthMs) {
    const uint32_t dataSize = lengthMs;
    std::string wave = "RIFF";
    auto put = [&wave](uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) wave += static_cast<char>(value >> (8 * i));
    };
    put(36 + dataSize, 4);
    wave += "WAVEfmt ";
    put(16, 4);
    put(1, 2);
    put(1, 2);
    put(1000, 4);
    put(1000, 4);
    put(1, 2);
    put(8, 2);
    wave += "data";
    put(dataSize, 4);
    wave.append(dataSize, static_cast<char>(0x80));
    std::FILE* file = std::fopen(name, "wb");
    if (file == nullptr) return false;
    const bool written = std::fwrite(wave.data(), 1, wave.size(), file) == wave.size();
    return std::fclose(file) == 0 && written;
}

class RefusingSound final : public IHostSound {
public:
    void Reserved0() override {}
    void Reserved1() override {}
    bool Prepare(int32_t) override { return false; }
    void Reserved3() override {}
    bool Start() override { return false; }
    bool Stop() override { return true; }
    void Reserved6() override {}
    void* QueryControl(const Guid*) override { return this; }
};

class QuietInput final : public IHostInput {
public:
    void Refresh() override {}
    void Poll() override {}
    void Reserved2() override {}
    bool IsPressed(int32_t) override { return false; }
};

// Steps the platform's virtual clock, which the waveaudio device plays on, by one frame per
// KeepRunning; at a chosen frame it holds a key down for 20 ms of that clock.
class KeyPressingLoop final : public IHostLoop {
public:
    KeyPressingLoop(CallLog* log, int key, uint32_t pressAtFrame, uint32_t frames)
        : log_(log), key_(key), pressAt_(pressAtFrame), frames_(frames) {}
    bool KeepRunning() override {
        log_->StartPass();
        if (frame_ == frames_) return false;
        if (frame_++ == pressAt_) held_.Hold({{key_, 20}});
        platform::AdvanceVirtualClock(40);
        return true;
    }

private:
    CallLog* log_;
    int key_;
    uint32_t pressAt_;
    uint32_t frames_;
    uint32_t frame_ = 0;
    HeldKeys held_;
};

class ScopedTempFolder {
public:
    ScopedTempFolder() {
        char pattern[] = "/tmp/scene-jump-XXXXXX";
        char* made = mkdtemp(pattern);
        char previous[4096];
        if (made == nullptr || getcwd(previous, sizeof(previous)) == nullptr) return;
        previous_ = previous;
        folder_ = made;
        ok_ = chdir(made) == 0;
    }
    ~ScopedTempFolder() {
        if (!previous_.empty() && chdir(previous_.c_str()) == 0) {
            std::remove((folder_ + "/Vuvi01.wav").c_str());
            rmdir(folder_.c_str());
        }
    }
    bool Ok() const { return ok_; }

private:
    std::string previous_;
    std::string folder_;
    bool ok_ = false;
};

TEST(JumpKey, ZeroInTheMiddleOfSceneThreeEndsItAndTheMovieSceneFollows) {
    SceneHarness harness;  // opens the test archive from the program's folder
    ScopedTempFolder folder;
    ASSERT_TRUE(folder.Ok());
    ASSERT_TRUE(WriteMusicFile("Vuvi01.wav", 125000));
    platform::UseVirtualClock(true);
    platform::SetVirtualClock(5000000);

    RefusingSound sound;
    QuietInput input;
    ASSERT_TRUE(harness.context.hostSound.Bind(&sound, &harness.clock));
    harness.context.input = &input;
    harness.context.loopMusic = false;
    harness.context.initialised = true;
    // The music starts at 0; frame 520 is at 20800 ms, inside scene 3, where '0' goes down.
    KeyPressingLoop loop(&harness.log, '0', 520, 560);
    harness.context.loop = &loop;
    harness.log.Reset();
    harness.context.Run();
    platform::UseVirtualClock(false);

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
