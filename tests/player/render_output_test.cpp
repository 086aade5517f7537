// A real headless render of a short stretch that crosses from the first scene into the second:
// the program writes one PNG per frame and a contact sheet.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "host/player/timeline.h"
#include "png/png_file.h"
#include "tools/assets/archive_file.h"
#include "tools/assets/entry_picture.h"
#include "tools/assets/entry_png.h"

namespace {

bool Exists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

// Width and height of a whole, readable PNG file.
bool PngSize(const std::string& path, uint32_t* width, uint32_t* height) {
    std::ifstream file(path, std::ios::binary);
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
    png::Image image;
    std::string error;
    if (!png::Decode(bytes.data(), bytes.size(), &image, &error)) return false;
    *width = static_cast<uint32_t>(image.width);
    *height = static_cast<uint32_t>(image.height);
    return true;
}

}  // namespace

TEST(RenderOutput, WritesEveryFrameAndTheContactSheet) {
    if (!Exists(std::string(PRELO_SAMPLE_ASSETS_DIR) + "/Prelo.zpx")) GTEST_SKIP() << "no sample assets built";
    const std::string out = "player_render_output";
    std::error_code ignored;
    std::filesystem::remove_all(out, ignored);
    const std::string command = std::string(PRELO_PLAY) + " --render " + out + " --assets " + PRELO_SAMPLE_ASSETS_DIR +
                                " --from 4800 --to 5300 --fps 10 --png --no-video 2>/dev/null >/dev/null";
    ASSERT_EQ(0, std::system(command.c_str()));
    for (int i = 0; i < 5; ++i) {
        char name[64];
        std::snprintf(name, sizeof name, "/frames/frame_%05d.png", i);
        uint32_t width = 0, height = 0;
        ASSERT_TRUE(PngSize(out + name, &width, &height)) << name;
        EXPECT_EQ(640u, width);
        EXPECT_EQ(480u, height);
    }
    EXPECT_FALSE(Exists(out + "/frames/frame_00005.png"));
    uint32_t width = 0, height = 0;
    ASSERT_TRUE(PngSize(out + "/contact-sheet.png", &width, &height));
    EXPECT_EQ(8u + 4u * 168u, width);  // scene 0's start and end, scene 1's start and middle
}

std::vector<char> FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// A changed caption given with --override shows in the frames of its own scene and no other.
TEST(RenderOutput, OverriddenPictureShowsInItsSceneAlone) {
    if (!Exists(std::string(PRELO_SAMPLE_ASSETS_DIR) + "/Prelo.zpx")) GTEST_SKIP() << "no sample assets built";
    constexpr uint32_t kCaption = 17, kItsScene = 3;  // the panning backdrop's caption strip
    assetkit::ArchiveFile archive;
    std::string error;
    const std::vector<char> bytes = FileBytes(std::string(PRELO_SAMPLE_ASSETS_DIR) + "/Prelo.zpx");
    ASSERT_TRUE(assetkit::ReadArchive({bytes.begin(), bytes.end()}, &archive, &error)) << error;
    const auto slot = archive.entries[kCaption];
    assetkit::EntryPicture caption;
    ASSERT_TRUE(assetkit::DecodeEntry(archive.bytes.data() + slot.offset, slot.size, &caption, &error)) << error;
    for (size_t i = 0; i < caption.rgb.size(); i += 3) caption.rgb[i] = 255;  // every pixel red to the full
    ASSERT_EQ(0, std::system("rm -rf override_pictures override_plain override_changed && mkdir override_pictures"));
    const std::vector<uint8_t> png = assetkit::EntryToPng(caption);
    std::ofstream("override_pictures/cg_017.png", std::ios::binary)
        .write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));

    const std::string render = std::string(PRELO_PLAY) + " --assets " + PRELO_SAMPLE_ASSETS_DIR +
                               " --fps 2 --png --no-video --no-sheet 2>/dev/null >/dev/null --render ";
    ASSERT_EQ(0, std::system((render + "override_plain").c_str()));
    ASSERT_EQ(0, std::system((render + "override_changed --override override_pictures").c_str()));
    const std::vector<uint32_t> times = player::FrameTimes(0, 124634, 2);
    size_t differing = 0;
    for (size_t n = 0; n < times.size(); ++n) {
        char name[64];
        std::snprintf(name, sizeof name, "/frames/frame_%05zu.png", n);
        const std::vector<char> plain = FileBytes("override_plain" + std::string(name));
        ASSERT_FALSE(plain.empty()) << name;
        if (plain == FileBytes("override_changed" + std::string(name))) continue;
        ++differing;
        EXPECT_EQ(player::SceneAt(times[n]), static_cast<int>(kItsScene)) << "frame at " << times[n] << " ms";
    }
    EXPECT_GT(differing, 0u);
}
