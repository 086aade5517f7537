// The PNG module on what the asset tool and the renderer write and on damaged files, in both builds.
#include "png/png_file.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

// The file with its header claiming another size, its CRC made to match.
std::vector<uint8_t> ClaimingSize(std::vector<uint8_t> file, uint32_t width, uint32_t height) {
    for (int i = 0; i < 4; ++i) {
        file[16 + i] = static_cast<uint8_t>(width >> (24 - 8 * i));
        file[20 + i] = static_cast<uint8_t>(height >> (24 - 8 * i));
    }
    const uint32_t crc = static_cast<uint32_t>(crc32(0, &file[12], 17));
    for (int i = 0; i < 4; ++i) file[29 + i] = static_cast<uint8_t>(crc >> (24 - 8 * i));
    return file;
}

// Damage anywhere is a reason, never a crash or a picture; nor is memory taken for a picture the
// file cannot hold.
TEST(PngReader, RefusesDamagedFiles) {
    const uint8_t pixel[3] = {1, 2, 3};
    const std::vector<uint8_t> good =
        png::Encode({1, 1, png::ColourType::kRgb, pixel, nullptr, 0}, png::Filter::kNone, 6);
    png::Image image;
    std::string error;
    ASSERT_TRUE(png::Decode(good.data(), good.size(), &image, &error)) << error;
    const auto flipped = [&good](size_t at) {
        std::vector<uint8_t> bad = good;
        bad[at] ^= 0x40;
        return bad;
    };
    const auto cut = [&good](size_t size) { return std::vector<uint8_t>(good.begin(), good.begin() + size); };
    const struct {
        const char* what;
        std::vector<uint8_t> file;
        const char* reason;
    } cases[] = {{"signature", flipped(1), "not a PNG file"},
                 {"header CRC", flipped(20), "CRC error"},
                 {"truncated", cut(40), "ends early"},
                 {"no end", cut(good.size() - 12), "ends early"},
                 {"too wide", ClaimingSize(good, 40000, 1), "larger than 32768"},
                 {"more than the file holds", ClaimingSize(good, 8000, 8000), "ends early"}};
    for (const auto& c : cases) {
        EXPECT_FALSE(png::Decode(c.file.data(), c.file.size(), &image, &error)) << c.what;
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
