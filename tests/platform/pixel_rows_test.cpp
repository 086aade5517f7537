#include "platform/pixel_rows.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

namespace {

// Every form this processor offers widens rows of every length from 0 to past a few vector
// steps, at every start alignment, writing exactly 4 bytes a pixel and not one byte around them.
TEST(WidenBgrRow, EveryFormWidensEachPixelAndWritesNothingElse) {
    std::vector<std::pair<const char*, platform::WidenBgrRowForm>> forms = {{"plain", platform::WidenBgrRowPlain},
                                                                            {"chosen", platform::WidenBgrRow}};
    if (platform::WidenBgrRowForm ssse3 = platform::WidenBgrRowSsse3()) forms.emplace_back("ssse3", ssse3);
    constexpr int kGuard = 16;
    constexpr uint8_t kUntouched = 0xA5;
    std::mt19937 random(7);
    for (const auto& [name, widen] : forms) {
        for (int pixels = 0; pixels <= 70; ++pixels) {
            for (int offset = 0; offset < 4; ++offset) {
                // The input ends right at its last pixel, so a form reading past the row would be
                // seen by AddressSanitizer.
                std::vector<uint8_t> in(offset + pixels * 3);
                for (uint8_t& byte : in) byte = static_cast<uint8_t>(random());
                std::vector<uint8_t> out(kGuard + offset + pixels * 4 + kGuard, kUntouched);
                widen(in.data() + offset, out.data() + kGuard + offset, pixels);
                for (size_t i = 0; i < out.size(); ++i) {
                    const long at = static_cast<long>(i) - kGuard - offset;
                    uint8_t want = kUntouched;
                    if (at >= 0 && at < pixels * 4) want = at % 4 == 3 ? 0 : in[offset + at / 4 * 3 + at % 4];
                    ASSERT_EQ(out[i], want)
                        << name << ", " << pixels << " pixels at offset " << offset << ", byte " << at;
                }
            }
        }
    }
}

}  // namespace
