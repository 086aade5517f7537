#include "platform/byte_reader.h"

#include <gtest/gtest.h>

namespace {

// Fields come little-endian; the first read past the end gives zero, and it and every read after
// it leave the reader failed, so a parser checks once.
TEST(ByteReader, ReadsPastTheEndGiveZeroAndStayFailed) {
    const uint8_t bytes[] = {'M', 'O', 0x34, 0x12, 0x78, 0x56, 0x34, 0x12, 0xFF};
    platform::ByteReader read(bytes, sizeof bytes);
    EXPECT_TRUE(read.Expect("MO", 2));
    EXPECT_EQ(read.U16(), 0x1234u);
    EXPECT_EQ(read.U32(), 0x12345678u);
    EXPECT_FALSE(read.Failed());
    EXPECT_EQ(read.U32(), 0u);  // only one byte left
    EXPECT_TRUE(read.Failed());
    EXPECT_EQ(read.U8(), 0u);  // the byte that is there stays unread once failed
    EXPECT_FALSE(read.Seek(0));
    EXPECT_EQ(read.Remaining(), 0u);

    platform::ByteReader seeking(bytes, sizeof bytes);
    EXPECT_TRUE(seeking.Seek(sizeof bytes));  // the end itself is a position
    EXPECT_FALSE(seeking.Has(1));
    EXPECT_FALSE(seeking.Seek(sizeof bytes + 1));
    EXPECT_TRUE(seeking.Failed());
    EXPECT_FALSE(platform::ByteReader(bytes, sizeof bytes).Expect("PM", 2));
    EXPECT_FALSE(platform::ByteReader(bytes, sizeof bytes).Has(uint64_t{0x20000000} * 8));  // no wrap in 32 bits
    EXPECT_TRUE(platform::ByteReader(nullptr, 5).Skip(0));  // no bytes at all: an empty span
}

}  // namespace
