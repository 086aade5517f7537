#include <cstring>
#include <string>

#include "demo/assets/movie_file.h"
#include "tests/scenes/scene_expect.h"

namespace {

std::string AssetPath(const char* name) { return std::string(PRELO_SAMPLE_ASSETS_DIR) + "/" + name; }

bool OpenSampleMovie(MovieFile& movie) {
    return movie.OpenFiles(nullptr, AssetPath("Prelo.moz").c_str(), AssetPath("PreloM.moz").c_str());
}

bool SamePixels(DibSurface& a, DibSurface& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
    for (int32_t y = 0; y < a.Height(); ++y) {
        if (std::memcmp(a.PixelAt(0, y), b.PixelAt(0, y), static_cast<size_t>(a.Width())) != 0) return false;
    }
    return true;
}

class MovieScene : public testing::Test {
protected:
    void SetUp() override {
        if (!OpenSampleMovie(harness.context.movie) || !OpenSampleMovie(reference)) {
            GTEST_SKIP() << "no sample movie in " << PRELO_SAMPLE_ASSETS_DIR << " (build sample_assets)";
        }
        frameCount = reference.FrameCount();
    }

    // The frame the movie scene leaves in the movie's surface after its pass at t, compared with
    // frame n decoded on its own.
    void ExpectFrameShownAt(uint32_t t, int32_t n) {
        const SceneRun run = harness.Play(10, {t, 107737});
        EXPECT_TRUE(run.result);
        ASSERT_TRUE(reference.DecodeFrame(n));
        EXPECT_TRUE(SamePixels(harness.context.movie.Surface(), reference.Surface())) << "frame " << n << " at " << t;
        if (n + 1 < frameCount) {
            ASSERT_TRUE(reference.DecodeFrame(n + 1));
            EXPECT_FALSE(SamePixels(harness.context.movie.Surface(), reference.Surface()))
                << "frames " << n << " and " << n + 1 << " cannot be told apart";
        }
    }

    SceneHarness harness;
    MovieFile reference;
    int32_t frameCount = 0;
};

TEST_F(MovieScene, ShowsTheFrameThatBelongsToTheMusicTime) {
    const uint32_t start = SceneHarness::StartOf(10);
    ExpectFrameShownAt(start, 0);
    ExpectFrameShownAt(start + 21500, 21500 * frameCount / 43000);
    ExpectFrameShownAt(start + 42999, 42999 * frameCount / 43000);
    EXPECT_EQ(42999 * frameCount / 43000, frameCount - 1) << "the last millisecond shows the last frame";
}

TEST_F(MovieScene, ClearsTheScreenOnceAndNeverPresentsAMovieFrame) {
    const SceneRun run = harness.Play(10, {70000, 80000, 107737});
    EXPECT_TRUE(run.result);
    EXPECT_EQ(run.passes[0],
              Calls({Call("FillRect", kScreen, 0, 0, 640, 480, 0, 0, 0), Call("Present", 0, 0, 640, 480)}));
    ExpectFrames(run, {70000, 80000, 107737}, {{}, {}, {}});
}

}  // namespace
