// What the runner prints: frame hashes, and which frames get captured.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/kit/host_kit.h"
#include "host/runner/frame_capture.h"
#include "host/runner/frame_recorder.h"

namespace {

TEST(FrameHash, CoversVisibleBytesOnlyAndSeesEveryOne) {
    std::vector<uint8_t> tight(2 * 3 * 2, 0);
    std::vector<uint8_t> padded(8 * 2, 0xEE);  // rows of 6 visible bytes and 2 padding bytes
    for (int y = 0; y < 2; ++y)
        for (int i = 0; i < 6; ++i) tight[y * 6 + i] = padded[y * 8 + i] = static_cast<uint8_t>(y * 6 + i);
    const uint64_t hash = host::FrameHash(tight.data(), 2, 2, 6);
    EXPECT_EQ(hash, host::FrameHash(padded.data(), 2, 2, 8));
    for (size_t i = 0; i < tight.size(); ++i) {
        std::vector<uint8_t> changed = tight;
        changed[i] ^= 1;
        EXPECT_NE(hash, host::FrameHash(changed.data(), 2, 2, 6)) << i;
    }
    // FNV-1a 64 of no bytes is its offset basis; of "foobar" the published test vector.
    EXPECT_EQ("cbf29ce484222325", host::HashText(host::FrameHash(tight.data(), 0, 0, 6)));
    const uint8_t foobar[6] = {'f', 'o', 'o', 'b', 'a', 'r'};
    EXPECT_EQ("85944171f73967e8", host::HashText(host::FrameHash(foobar, 2, 1, 6)));
    EXPECT_EQ("00000000000000ff", host::HashText(0xff));
}

TEST(FrameRecorder, CapturesTheFirstFrameAtOrAfterEachChosenTime) {
    host::HostKitSettings settings;
    host::HostKit kit(settings);
    host::FrameRecorder recorder(kit.Window(), {100, 120, 500}, 0, std::string(), nullptr);
    for (uint32_t t = 0; t <= 600; t += 40) recorder.OnFrame(t);
    ASSERT_EQ(2u, recorder.Captured().size());
    EXPECT_EQ(120u, recorder.Captured()[0].timeMs);  // 100 and 120 both fall due at 120
    EXPECT_EQ(520u, recorder.Captured()[1].timeMs);
    EXPECT_TRUE(recorder.Captured()[0].file.empty());

    host::FrameRecorder every(kit.Window(), {}, 100, std::string(), nullptr);
    for (uint32_t t = 0; t <= 330; t += 40) every.OnFrame(t);
    std::vector<uint32_t> times;
    for (const auto& frame : every.Captured()) times.push_back(frame.timeMs);
    EXPECT_EQ((std::vector<uint32_t>{0, 120, 200, 320}), times);
}

TEST(FrameRecorder, HashesWhatThePresentedScreenShows) {
    host::HostKitSettings settings;
    host::HostKit kit(settings);
    host::FrameRecorder recorder(kit.Window(), {0, 1}, 0, std::string(), nullptr);
    recorder.OnFrame(0);
    kit.Screen().PixelAt(5, 5)[0] = 1;
    recorder.OnFrame(1);  // drawn but not presented: the window still shows the old frame
    kit.Screen().Present(0, 0, 640, 480);
    host::FrameRecorder after(kit.Window(), {0}, 0, std::string(), nullptr);
    after.OnFrame(0);
    ASSERT_EQ(2u, recorder.Captured().size());
    EXPECT_EQ(recorder.Captured()[0].hash, recorder.Captured()[1].hash);
    EXPECT_NE(recorder.Captured()[0].hash, after.Captured()[0].hash);
}

}  // namespace
