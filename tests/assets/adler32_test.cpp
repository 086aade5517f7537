#include "demo/assets/adler32.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <initializer_list>
#include <random>
#include <vector>

namespace {

// Every form against zlib's own sum: lengths around the 32-byte step and the reduction chunk,
// a whole movie frame, odd starts, sums that start near the modulus and bytes at their largest.
TEST(Adler32Test, EveryFormSumsAsZlibDoes) {
    const Adler32Form* forms[4];
    const int32_t count = AvailableAdler32Forms(forms, 4);
    ASSERT_GE(count, 1);
    std::mt19937 random(7);
    std::vector<uint8_t> noise(640 * 485 + 64);
    for (uint8_t& byte : noise) byte = static_cast<uint8_t>(random());
    const std::vector<uint8_t> full(noise.size(), 255);
    const size_t sizes[] = {0, 1, 31, 32, 33, 95, 5552, 16383, 16384, 16385, 16384 * 3 + 31, 640 * 485};
    const uint32_t starts[] = {1, 0, 0xFFF0FFF0u, 0x12345678u};
    for (const std::vector<uint8_t>* data : std::initializer_list<const std::vector<uint8_t>*>{&noise, &full})
        for (size_t size : sizes)
            for (size_t offset : {size_t{0}, size_t{3}})
                for (uint32_t start : starts) {
                    const uint8_t* bytes = data->data() + offset;
                    const auto expected = static_cast<uint32_t>(adler32_z(start, bytes, size));
                    for (int32_t f = 0; f < count; ++f)
                        EXPECT_EQ(forms[f]->sum(start, bytes, size), expected)
                            << forms[f]->name << " size " << size << " offset " << offset << " start " << start
                            << (data == &full ? " all 255" : " noise");
                }
}

}  // namespace
