// The table of picture roles against the scenes themselves: a picture replaced by a flat colour
// changes the frame in the middle of each of its windows and not just before it; prelo-assets
// preview shows a changed caption in its place, and a watched run restarts the caption's scene.
#include "demo/scenes/picture_roles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "demo/runtime/schedule.h"
#include "host/player/player_run.h"
#include "host/player/render_pacer.h"
#include "host/player/timeline.h"
#include "png/png_file.h"
#include "tools/assets/archive_file.h"
#include "tools/assets/entry_picture.h"
#include "tools/assets/entry_png.h"
#include "tools/console/exit_status.h"

namespace {

namespace fs = std::filesystem;

const std::string kAssets = PRELO_SAMPLE_ASSETS_DIR;

std::vector<char> FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// The one frame prelo-play renders at music time t (the scene entered at t), as PNG bytes.
std::vector<char> FrameAt(uint32_t t, const std::string& overrideFolder) {
    const std::string out = "roles_frame";
    std::error_code ignored;
    fs::remove_all(out, ignored);
    std::string command = std::string(PRELO_PLAY) + " --assets " + kAssets + " --render " + out + " --from " +
                          std::to_string(t) + " --to " + std::to_string(t + 1) +
                          " --png --no-video --no-sheet >/dev/null 2>&1";
    if (!overrideFolder.empty()) command += " --override " + overrideFolder;
    if (std::system(command.c_str()) != 0) return {};
    return FileBytes(out + "/frames/frame_00000.png");
}

// The picture in one colour as far as can be from its mean (from its palette when it has one),
// opaque where it has alpha (some scenes draw by the alpha alone).
std::vector<uint8_t> FlatPng(assetkit::EntryPicture picture) {
    std::vector<uint8_t>& samples = picture.values.empty() ? picture.rgb : picture.palette;
    long sum[3] = {};
    for (size_t i = 0; i < picture.rgb.size(); ++i) sum[i % 3] += picture.rgb[i];
    const size_t pixels = std::max<size_t>(1, picture.rgb.size() / 3);
    uint8_t flat[3];
    for (int c = 0; c < 3; ++c) flat[c] = sum[c] / static_cast<long>(pixels) < 128 ? 255 : 0;
    if (!picture.values.empty()) {
        // The palette colour farthest from the flat one's opposite: the mean's far side.
        size_t best = 0;
        long bestDistance = -1;
        for (size_t k = 0; k + 2 < samples.size(); k += 3) {
            long distance = 0;
            for (int c = 0; c < 3; ++c) distance += std::abs(samples[k + c] - (255 - flat[c]));
            if (distance > bestDistance) bestDistance = distance, best = k / 3;
        }
        std::fill(picture.values.begin(), picture.values.end(), static_cast<uint8_t>(best));
        for (size_t i = 0; i < picture.rgb.size(); ++i) picture.rgb[i] = samples[best * 3 + i % 3];
    } else {
        for (size_t i = 0; i < samples.size(); ++i) samples[i] = flat[i % 3];
    }
    std::fill(picture.alpha.begin(), picture.alpha.end(), uint8_t{255});
    return assetkit::EntryToPng(picture);
}

bool InAnyWindow(int32_t index, uint32_t t) {
    const auto rows = PictureRolesOf(index);
    return std::any_of(rows.begin(), rows.end(),
                       [&](const PictureRole& row) { return row.shownFromMs <= t && t < row.shownToMs; });
}

class PictureRolesTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!fs::exists(kAssets + "/Prelo.zpx")) GTEST_SKIP() << "no sample assets built";
        const std::vector<char> bytes = FileBytes(kAssets + "/Prelo.zpx");
        std::string error;
        ASSERT_TRUE(assetkit::ReadArchive({bytes.begin(), bytes.end()}, &archive_, &error)) << error;
    }

    assetkit::EntryPicture Decoded(int32_t index) {
        const auto slot = archive_.entries.at(static_cast<size_t>(index));
        assetkit::EntryPicture picture;
        std::string error;
        EXPECT_TRUE(assetkit::DecodeEntry(archive_.bytes.data() + slot.offset, slot.size, &picture, &error)) << error;
        return picture;
    }

    const std::vector<char>& PlainFrameAt(uint32_t t) {
        auto [place, fresh] = plain_.try_emplace(t);
        if (fresh) place->second = FrameAt(t, "");
        return place->second;
    }

    assetkit::ArchiveFile archive_;
    std::map<uint32_t, std::vector<char>> plain_;
};

TEST_F(PictureRolesTest, EachPictureIsDrawnInItsWindowsAndNotJustBefore) {
    for (const PictureRole& row : PictureRoles()) {
        if (!row.Shown()) continue;  // loaded and never drawn: nothing on the screen to see
        SCOPED_TRACE("picture " + std::to_string(row.index) + " in scene " + std::to_string(row.scene) + " (" +
                     row.role + ")");
        const std::string folder = "roles_flat";
        std::error_code ignored;
        fs::remove_all(folder, ignored);
        fs::create_directory(folder);
        char name[32];
        std::snprintf(name, sizeof name, "/cg_%03d.png", row.index);
        WriteBytes(folder + name, FlatPng(Decoded(row.index)));

        const std::vector<char> inside = FrameAt(row.MiddleMs(), folder);
        ASSERT_FALSE(inside.empty());
        EXPECT_NE(inside, PlainFrameAt(row.MiddleMs())) << "the middle of the window, " << row.MiddleMs() << " ms";
        // The last millisecond before the window, when it lies in no other window of the picture
        // (music time 0 is never drawn).
        const uint32_t before = row.shownFromMs - 1;
        if (row.shownFromMs > 1 && !InAnyWindow(row.index, before)) {
            EXPECT_EQ(FrameAt(before, folder), PlainFrameAt(before)) << "just before the window, " << before << " ms";
        }
    }
}

// A caption changed in an extract's folder shows in preview's frame, which is the frame a render
// gives at that moment with the same picture.
TEST_F(PictureRolesTest, PreviewShowsAChangedCaptionInItsPlace) {
    constexpr int32_t kCaption = 17;  // the strip of scene 3
    std::error_code ignored;
    fs::remove_all("preview_pictures", ignored);
    const std::string tool = std::string(PRELO_ASSETS) + " ";
    ASSERT_EQ(0, std::system((tool + "extract " + kAssets + "/Prelo.zpx preview_pictures >/dev/null").c_str()));
    ASSERT_EQ(0, std::system((tool + "preview preview_pictures 17 preview_plain.png >/dev/null 2>&1").c_str()));
    assetkit::EntryPicture caption = Decoded(kCaption);
    for (size_t i = 0; i < caption.rgb.size(); i += 3) caption.rgb[i] = 255;  // every pixel red to the full
    WriteBytes("preview_pictures/cg_017.png", assetkit::EntryToPng(caption));
    ASSERT_EQ(0, std::system((tool + "preview preview_pictures 17 preview_red.png >/dev/null 2>&1").c_str()));

    const std::vector<char> red = FileBytes("preview_red.png");
    ASSERT_FALSE(red.empty());
    EXPECT_NE(red, FileBytes("preview_plain.png"));
    EXPECT_EQ(FileBytes("preview_plain.png"), PlainFrameAt(FindPictureRole(kCaption)->MiddleMs()));
    fs::remove_all("preview_red_only", ignored);
    fs::create_directory("preview_red_only");
    fs::copy_file("preview_pictures/cg_017.png", "preview_red_only/cg_017.png");
    EXPECT_EQ(red, FrameAt(FindPictureRole(kCaption)->MiddleMs(), "preview_red_only"));
}

// --watch on the virtual clock: a caption of the wrong size is refused in one line and the run
// plays on as it was; the right size restarts the caption's scene, which then shows the frame a
// render with that caption shows.
TEST_F(PictureRolesTest, AWatchedRunRefusesAWrongSizeAndRestartsTheSceneOfAChangedPicture) {
    constexpr int32_t kCaption = 17;
    const PictureRole& role = *FindPictureRole(kCaption);
    const uint32_t sceneStart = SceneStartMs(role.scene);
    const uint32_t t = role.MiddleMs();
    const std::string folder = "watch_pictures";
    std::error_code ignored;
    fs::remove_all(folder, ignored);
    fs::create_directory(folder);
    // The demo plays in its own folder.
    const std::string file = fs::absolute(folder + "/cg_017.png").string();
    const std::string frameFile = fs::absolute("watch_frame.png").string();
    const std::vector<uint8_t> red = FlatPng(Decoded(kCaption));
    assetkit::EntryPicture cropped = Decoded(kCaption);
    cropped.height -= 1;
    for (std::vector<uint8_t>* plane : {&cropped.rgb, &cropped.alpha, &cropped.values}) {
        if (!plane->empty()) plane->resize(plane->size() - plane->size() / (cropped.height + 1));
    }
    const std::vector<uint8_t> wrongSize = assetkit::EntryToPng(cropped);

    player::PlayerOptions options;
    options.assetsFolder = kAssets;
    options.overrideFolder = folder;
    options.watch = true;
    player::PlayerRun run;
    ASSERT_EQ(console::kPlayed, run.Prepare(options));

    // Each run plays from the scene's start to the caption's moment, as preview does; the first
    // gets the wrong size at its first frame and the right one at its last, then plays on.
    std::vector<uint32_t> times = player::FrameTimes(sceneStart, t, 30);
    times.push_back(t);
    std::vector<uint32_t> starts;
    std::vector<uint32_t> firstMusicMs;  // where each run's music began
    std::vector<std::vector<char>> framesAtT;
    testing::internal::CaptureStderr();
    run.RunRestarting([&](uint32_t fromMs) {
        starts.push_back(fromMs);
        host::HostKit kit(run.KitSettings(true, fromMs));
        player::RenderPacer pacer(times);
        int framesAfter = 0;
        kit.Loop().SetFrameCallback([&](uint32_t) {
            const uint32_t music = kit.Sound().Playing() ? kit.Sound().PositionMs() : 0;
            if (music != 0 && firstMusicMs.size() < starts.size()) firstMusicMs.push_back(music);
            if (run.PicturesChanged(kit.Time().NowMs(), music)) return false;
            const player::RenderPacer::Step step = pacer.OnKeepRunning(music);
            const bool firstRun = starts.size() == 1;
            if (step.capture && step.frame == 0 && firstRun) WriteBytes(file, wrongSize);
            if (step.capture && step.frame + 1 == times.size()) {
                kit.Window().Capture();
                int pitch = 0;
                const uint8_t* pixels = kit.Window().Framebuffer(&pitch);
                EXPECT_TRUE(pixels != nullptr && png::WriteBgrFrame(frameFile.c_str(), pixels, host::HostWindow::kWidth,
                                                                    host::HostWindow::kHeight, pitch));
                framesAtT.push_back(FileBytes(frameFile));
                if (firstRun) WriteBytes(file, red);
            }
            if (step.done) {
                // A second's play at most for the change to be seen.
                if (!firstRun || ++framesAfter > 30) return false;
                kit.Stepped()->Advance(33);
                return true;
            }
            if (step.advanceMs != 0) kit.Stepped()->Advance(step.advanceMs);
            return true;
        });
        return run.Run(kit, false, false);
    });
    const std::string told = testing::internal::GetCapturedStderr();

    ASSERT_EQ((std::vector<uint32_t>{0, sceneStart}), starts) << told;
    ASSERT_EQ(2u, framesAtT.size());
    ASSERT_EQ(2u, firstMusicMs.size());
    EXPECT_LT(firstMusicMs[1] - sceneStart, 100u) << "the music of the restarted scene began at " << firstMusicMs[1];
    EXPECT_EQ(framesAtT[0], PlainFrameAt(t)) << "the refused picture changed the run";
    std::vector<std::string> aboutFile;
    for (size_t from = 0, end; (end = told.find('\n', from)) != std::string::npos; from = end + 1) {
        if (told.find(file, from) < end) aboutFile.push_back(told.substr(from, end - from));
    }
    ASSERT_EQ(1u, aboutFile.size()) << told;
    EXPECT_EQ(0u, aboutFile[0].find("prelo-play: not taken, playing on with the pictures as they were: " + file))
        << told;
    fs::remove_all("watch_red_only", ignored);
    fs::create_directory("watch_red_only");
    WriteBytes("watch_red_only/cg_017.png", red);
    EXPECT_EQ(framesAtT[1], FrameAt(t, "watch_red_only"));
    EXPECT_NE(framesAtT[1], framesAtT[0]);
}

}  // namespace
