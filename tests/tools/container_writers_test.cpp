#include <gtest/gtest.h>
#include <zlib.h>

#include <cstring>
#include <vector>

#include "archive_writer.h"
#include "bmp_file.h"
#include "movie_writer.h"
#include "wav_writer.h"

namespace {

uint32_t Read32(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}
uint16_t Read16(const std::vector<uint8_t>& b, size_t at) { return static_cast<uint16_t>(b[at] | b[at + 1] << 8); }

TEST(ArchiveWriter, IndexRecordsAddressEachPictureInOrder) {
    const std::vector<std::vector<uint8_t>> pictures = {{'P', 'M', 1}, {'B', 'M', 2, 3, 4}, {'P', 'M'}};
    const std::vector<uint8_t> archive = tools::PackArchive(pictures);
    ASSERT_GE(archive.size(), 8u + 8 * 3);
    EXPECT_EQ(std::memcmp(archive.data(), "ZPX0", 4), 0);
    EXPECT_EQ(Read32(archive, 4), 3u);
    for (size_t i = 0; i < pictures.size(); ++i) {
        const uint32_t offset = Read32(archive, 8 + 8 * i), size = Read32(archive, 12 + 8 * i);
        ASSERT_EQ(size, pictures[i].size());
        ASSERT_LE(static_cast<size_t>(offset) + size, archive.size());
        EXPECT_TRUE(std::equal(pictures[i].begin(), pictures[i].end(), archive.begin() + offset)) << "entry " << i;
    }
    EXPECT_TRUE(tools::PackArchive({}).empty());  // a count of 0 is no archive
}

std::vector<uint8_t> Inflate(const uint8_t* data, size_t size, size_t expected) {
    std::vector<uint8_t> out(expected + 16);
    uLongf length = static_cast<uLongf>(out.size());
    if (uncompress(out.data(), &length, data, static_cast<uLong>(size)) != Z_OK) return {};
    out.resize(length);
    return out;
}

TEST(MovieWriter, EachFrameIsOneZlibStreamOfPictureAndOwnPalette) {
    constexpr int32_t w = 8, h = 3;
    tools::MovieWriter writer(w, h, 6);
    std::vector<std::vector<uint8_t>> pictures;
    std::vector<tools::Palette> palettes;
    for (int frame = 0; frame < 3; ++frame) {
        std::vector<uint8_t> picture(w * h);
        for (size_t i = 0; i < picture.size(); ++i) picture[i] = static_cast<uint8_t>(i * 7 + frame);
        tools::Palette palette{};
        for (int i = 0; i < 256; ++i) palette[i] = {static_cast<uint8_t>(i), static_cast<uint8_t>(frame), 9, 0};
        ASSERT_TRUE(writer.AddFrame(picture, palette));
        pictures.push_back(picture);
        palettes.push_back(palette);
    }
    const std::vector<uint8_t> movie = writer.Finish();
    ASSERT_GE(movie.size(), 20u + 8 * 3);
    EXPECT_EQ(std::memcmp(movie.data(), "MOZ1", 4), 0);
    EXPECT_EQ(Read32(movie, 4), 3u);
    EXPECT_EQ(Read32(movie, 8) | Read32(movie, 12) | Read32(movie, 16), 0u);
    for (size_t i = 0; i < 3; ++i) {
        const uint32_t offset = Read32(movie, 20 + 8 * i), size = Read32(movie, 24 + 8 * i);
        ASSERT_LE(static_cast<size_t>(offset) + size, movie.size());
        ASSERT_EQ(movie[offset] & 0x0F, 8) << "zlib header, deflate method";
        const std::vector<uint8_t> payload = Inflate(movie.data() + offset, size, w * h + 1024);
        ASSERT_EQ(payload.size(), static_cast<size_t>(w * h + 1024)) << "frame " << i;
        EXPECT_TRUE(std::equal(pictures[i].begin(), pictures[i].end(), payload.begin()));
        EXPECT_EQ(std::memcmp(payload.data() + w * h, palettes[i].data(), 1024), 0);
    }
}

TEST(MovieWriter, RefusesPicturesOfTheWrongShape) {
    tools::MovieWriter odd(6, 2, 6);  // rows must be whole DIB rows, a multiple of 4 bytes
    EXPECT_FALSE(odd.AddFrame(std::vector<uint8_t>(12), tools::Palette{}));
    tools::MovieWriter writer(8, 2, 6);
    EXPECT_FALSE(writer.AddFrame(std::vector<uint8_t>(15), tools::Palette{}));
    EXPECT_EQ(writer.FrameCount(), 0);
    EXPECT_TRUE(writer.Finish().empty());
}

TEST(WavWriter, PcmHeaderAndSamples) {
    const std::vector<int16_t> samples = {0, 1, -1, 32767, -32768, 1000};
    const std::vector<uint8_t> wav = tools::WriteWav16(samples, 2, 22050);
    ASSERT_EQ(wav.size(), 44u + 12);
    EXPECT_EQ(std::memcmp(wav.data(), "RIFF", 4), 0);
    EXPECT_EQ(Read32(wav, 4), wav.size() - 8);
    EXPECT_EQ(std::memcmp(wav.data() + 8, "WAVEfmt ", 8), 0);
    EXPECT_EQ(Read32(wav, 16), 16u);
    EXPECT_EQ(Read16(wav, 20), 1);  // PCM
    EXPECT_EQ(Read16(wav, 22), 2);
    EXPECT_EQ(Read32(wav, 24), 22050u);
    EXPECT_EQ(Read32(wav, 28), 22050u * 4);
    EXPECT_EQ(Read16(wav, 32), 4);
    EXPECT_EQ(Read16(wav, 34), 16);
    EXPECT_EQ(std::memcmp(wav.data() + 36, "data", 4), 0);
    EXPECT_EQ(Read32(wav, 40), 12u);
    for (size_t i = 0; i < samples.size(); ++i) EXPECT_EQ(static_cast<int16_t>(Read16(wav, 44 + 2 * i)), samples[i]);
    EXPECT_TRUE(tools::WriteWav16({1, 2, 3}, 2, 22050).empty());  // half a stereo frame
    EXPECT_TRUE(tools::WriteWav16({1, 2}, 0, 22050).empty());
}

TEST(BmpWriter, RowsBottomUpAndPaddedToFourBytes) {
    // 3 x 2 pixels: 9 bytes a row, stored as 12.
    std::vector<uint8_t> pixels(18);
    for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<uint8_t>(i + 1);
    const std::vector<uint8_t> bmp = tools::WriteBmp24(3, 2, pixels);
    ASSERT_EQ(bmp.size(), 54u + 24);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(Read32(bmp, 10), 54u);
    EXPECT_EQ(Read32(bmp, 18), 3u);
    EXPECT_EQ(Read32(bmp, 22), 2u);
    EXPECT_EQ(bmp[28], 24);
    EXPECT_TRUE(std::equal(pixels.begin() + 9, pixels.end(), bmp.begin() + 54));  // top row stored last
    EXPECT_TRUE(std::equal(pixels.begin(), pixels.begin() + 9, bmp.begin() + 66));
    EXPECT_EQ(bmp[63] | bmp[64] | bmp[65], 0);  // padding
    EXPECT_TRUE(tools::WriteBmp24(3, 2, std::vector<uint8_t>(17)).empty());
}

}  // namespace
