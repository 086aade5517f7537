#include "host/kit/wav_length.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "platform/byte_writer.h"

namespace {

void PutChunk(std::vector<uint8_t>& out, const char* id, uint32_t size, size_t bytesPresent) {
    out.insert(out.end(), id, id + 4);
    platform::AppendLe32(out, size);
    out.insert(out.end(), bytesPresent, 0);
}

std::vector<uint8_t> Format(uint32_t byteRate) {
    std::vector<uint8_t> fmt = {1, 0, 2, 0};  // PCM, stereo
    platform::AppendLe32(fmt, 44100);
    platform::AppendLe32(fmt, byteRate);
    fmt.insert(fmt.end(), {4, 0, 16, 0});
    return fmt;
}

// RIFF header, optional extra chunk, fmt chunk, data chunk claiming dataSize bytes and holding
// present of them (all, unless given).
std::vector<uint8_t> Wave(uint32_t byteRate, uint32_t dataSize, bool oddChunkFirst, size_t present = SIZE_MAX) {
    std::vector<uint8_t> out = {'R', 'I', 'F', 'F'};
    platform::AppendLe32(out, 0);
    out.insert(out.end(), {'W', 'A', 'V', 'E'});
    if (oddChunkFirst) {
        PutChunk(out, "LIST", 3, 3);
        out.push_back(0);  // pad byte of an odd-sized chunk
    }
    const std::vector<uint8_t> fmt = Format(byteRate);
    PutChunk(out, "fmt ", 16, 0);
    out.insert(out.end(), fmt.begin(), fmt.end());
    PutChunk(out, "data", dataSize, present == SIZE_MAX ? dataSize : present);
    return out;
}

TEST(WavLength, DataSizeOverByteRate) {
    uint32_t ms = 0;
    std::vector<uint8_t> wave = Wave(176400, 176400 * 2 + 17640, false);
    ASSERT_TRUE(host::WavLengthMs(wave.data(), wave.size(), &ms));
    EXPECT_EQ(2100u, ms);
    wave = Wave(192000, 192u * 124634u, true);
    ASSERT_TRUE(host::WavLengthMs(wave.data(), wave.size(), &ms));
    EXPECT_EQ(124634u, ms);
}

// A recording cut short plays what it holds, and its length says so, whether the bytes or only
// the header and the file's size are at hand: the music device reads it the same way.
TEST(WavLength, ATruncatedRecordingLastsWhatItHolds) {
    const std::vector<uint8_t> cut = Wave(176400, 176400 * 2, false, 176400 / 2);
    uint32_t ms = 0;
    ASSERT_TRUE(host::WavLengthMs(cut.data(), cut.size(), &ms));
    EXPECT_EQ(500u, ms);
    const std::string path = testing::TempDir() + "cut.wav";
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(cut.data()), static_cast<std::streamsize>(cut.size()));
    ASSERT_TRUE(host::WavFileLengthMs(path.c_str(), &ms));
    EXPECT_EQ(500u, ms);
}

TEST(WavLength, RefusesMalformedHeaders) {
    uint32_t ms = 1234;
    const std::vector<uint8_t> good = Wave(176400, 1000, false);
    EXPECT_FALSE(host::WavLengthMs(nullptr, 0, &ms));
    EXPECT_FALSE(host::WavLengthMs(good.data(), 11, &ms));
    std::vector<uint8_t> notWave = good;
    std::memcpy(notWave.data() + 8, "AVI ", 4);
    EXPECT_FALSE(host::WavLengthMs(notWave.data(), notWave.size(), &ms));
    const std::vector<uint8_t> silent = Wave(0, 1000, false);
    EXPECT_FALSE(host::WavLengthMs(silent.data(), silent.size(), &ms));
    // Cut inside the fmt chunk, and before the data chunk header.
    EXPECT_FALSE(host::WavLengthMs(good.data(), 12 + 8 + 10, &ms));
    EXPECT_FALSE(host::WavLengthMs(good.data(), 12 + 8 + 16 + 4, &ms));
    // A chunk claiming more than the file holds.
    std::vector<uint8_t> liar = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'};
    PutChunk(liar, "LIST", 0xFFFFFFF0u, 4);
    EXPECT_FALSE(host::WavLengthMs(liar.data(), liar.size(), &ms));
    // data before fmt has no byte rate to go by.
    std::vector<uint8_t> early = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'};
    PutChunk(early, "data", 100, 0);
    EXPECT_FALSE(host::WavLengthMs(early.data(), early.size(), &ms));
    EXPECT_EQ(1234u, ms);
    EXPECT_FALSE(host::WavFileLengthMs("no-such-file.wav", &ms));
}

}  // namespace
