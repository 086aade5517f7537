// The PNG module on what the asset tool and the renderer write and on damaged files, in both builds.
#include "png/png_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

// Damage anywhere is a reason, never a crash or a picture.
TEST(PngReader, RefusesDamagedFiles) {
    const uint8_t pixel[3] = {1, 2, 3};
    const std::vector<uint8_t> good =
        png::Encode({1, 1, png::ColourType::kRgb, pixel, nullptr, 0}, png::Filter::kNone, 6);
    png::Image image;
    std::string error;
    ASSERT_TRUE(png::Decode(good.data(), good.size(), &image, &error)) << error;
    const struct {
        const char* what;
        size_t at;  // byte changed (or the length cut to, for truncation)
        bool truncate;
        const char* reason;
    } cases[] = {{"signature", 1, false, "not a PNG file"},
                 {"header CRC", 20, false, "CRC error"},
                 {"truncated", 40, true, "ends early"},
                 {"no end", good.size() - 12, true, "ends early"}};
    for (const auto& c : cases) {
        std::vector<uint8_t> bad = good;
        if (c.truncate)
            bad.resize(c.at);
        else
            bad[c.at] ^= 0x40;
        EXPECT_FALSE(png::Decode(bad.data(), bad.size(), &image, &error)) << c.what;
        EXPECT_NE(error.find(c.reason), std::string::npos) << c.what << ": " << error;
    }
}

// A frame as the screen holds it (blue, green, red; rows padded) comes back as its colours.
TEST(PngFrames, WriteBgrFrameKeepsEveryPixelAndRefusesWhatItCannotWrite) {
    // 2 x 2 pixels; rows 8 bytes apart, the last two bytes padding.
    const uint8_t pixels[16] = {1, 2, 3, 4, 5, 6, 0xAA, 0xAA, 7, 8, 9, 10, 11, 12, 0xAA, 0xAA};
    const std::string path = "png_frame_test.png";
    ASSERT_TRUE(png::WriteBgrFrame(path.c_str(), pixels, 2, 2, 8));
    std::ifstream in(path, std::ios::binary);
    const std::vector<uint8_t> file{std::istreambuf_iterator<char>(in), {}};
    in.close();
    std::remove(path.c_str());
    png::Image image;
    std::string error;
    ASSERT_TRUE(png::Decode(file.data(), file.size(), &image, &error)) << error;
    EXPECT_EQ(image.colourType, png::ColourType::kRgb);
    EXPECT_EQ(image.rgba, (std::vector<uint8_t>{3, 2, 1, 255, 6, 5, 4, 255, 9, 8, 7, 255, 12, 11, 10, 255}));

    EXPECT_FALSE(png::WriteBgrFrame(path.c_str(), pixels, 2, 2, 5)) << "the pitch cannot hold a row";
    EXPECT_FALSE(png::WriteBgrFrame("no-such-folder/x.png", pixels, 2, 2, 8));
}

}  // namespace
