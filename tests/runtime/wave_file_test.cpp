#include <gtest/gtest.h>

#include <string>

#include "platform/wave_header.h"
#include "tests/support/test_files.h"

namespace {

// As the music device reads a file it holds whole: plain samples only.
bool Parse(const std::string& bytes, platform::WaveLayout* layout) {
    return platform::ParseWaveHeader(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), bytes.size(),
                                     layout) &&
           layout->formatTag == platform::kWavePcm;
}

}  // namespace

TEST(WaveFile, LengthFromDataSizeAndByteRate) {
    platform::WaveLayout layout{};
    ASSERT_TRUE(Parse(MakeWave(124634, 8000), &layout));
    EXPECT_EQ(124634u, layout.lengthMs);
    EXPECT_EQ(44u, layout.dataOffset);
    EXPECT_EQ(8000u, layout.format.samplesPerSecond);
}

TEST(WaveFile, TruncatedDataIsCutAndDamageIsRejected) {
    platform::WaveLayout layout{};
    std::string wave = MakeWave(2000);
    ASSERT_TRUE(Parse(wave.substr(0, 44 + 500), &layout));
    EXPECT_EQ(500u, layout.lengthMs);

    EXPECT_FALSE(Parse(wave.substr(0, 30), &layout));  // cut inside the format chunk
    std::string notRiff = wave;
    notRiff[0] = 'X';
    EXPECT_FALSE(Parse(notRiff, &layout));
    std::string compressed = wave;
    compressed[20] = 2;  // not PCM
    EXPECT_FALSE(Parse(compressed, &layout));
    std::string noRate = wave;
    noRate[28] = noRate[29] = noRate[30] = noRate[31] = 0;  // zero bytes per second
    EXPECT_FALSE(Parse(noRate, &layout));
    std::string hugeChunk = wave;
    hugeChunk[16] = hugeChunk[17] = hugeChunk[18] = hugeChunk[19] = static_cast<char>(0xFF);
    EXPECT_FALSE(Parse(hugeChunk, &layout));
    EXPECT_FALSE(Parse("", &layout));
}
