#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>

#include "interfaces/guids.h"

TEST(Guid, StandardMemoryLayout) {
    static_assert(offsetof(Guid, data1) == 0 && offsetof(Guid, data2) == 4 && offsetof(Guid, data3) == 6 &&
                  offsetof(Guid, data4) == 8);
    // {6FBEDF60-FD09-11D4-AD65-00C0F6B0E9BE} as it lies in memory.
    const unsigned char expected[16] = {0x60, 0xDF, 0xBE, 0x6F, 0x09, 0xFD, 0xD4, 0x11,
                                        0xAD, 0x65, 0x00, 0xC0, 0xF6, 0xB0, 0xE9, 0xBE};
    EXPECT_EQ(0, std::memcmp(&guids::kPixmill, expected, 16));
}

TEST(Guid, ComparesEveryByte) {
    Guid changed = guids::kGraph;
    EXPECT_TRUE(changed == guids::kGraph);
    for (size_t i = 0; i < sizeof(Guid); ++i) {
        Guid other = guids::kGraph;
        reinterpret_cast<unsigned char*>(&other)[i] ^= 0x01;
        EXPECT_FALSE(other == guids::kGraph) << "byte " << i;
    }
    EXPECT_FALSE(guids::kHostScreen == guids::kHostInput);
}
