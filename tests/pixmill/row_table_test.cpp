#include "pixmill/row_table.h"

#include <gtest/gtest.h>

#include "allocation_failure.h"

namespace {

TEST(RowTable, EmptyUntilBuiltAndAfterFree) {
    pixmill::RowTable table;
    EXPECT_FALSE(table.IsBuilt());
    EXPECT_EQ(0, table.Width());
    ASSERT_TRUE(table.BuildBlendTable());
    EXPECT_TRUE(table.IsBuilt());
    EXPECT_EQ(256, table.Width());
    EXPECT_EQ(256, table.Height());
    table.Free();
    table.Free();
    EXPECT_FALSE(table.IsBuilt());
    EXPECT_EQ(0, table.Height());
}

TEST(RowTable, RowsAreSlicesOfOneBlock) {
    pixmill::RowTable table;
    ASSERT_TRUE(table.BuildBlendTable());
    const uint8_t* const* rows = table.Rows();
    for (int i = 0; i < 256; ++i) ASSERT_EQ(rows[0] + 256 * i, rows[i]) << "row " << i;
}

TEST(RowTable, BlendEntriesRoundAndNeverOverflowWhenPaired) {
    pixmill::RowTable table;
    ASSERT_TRUE(table.BuildBlendTable());
    const uint8_t* const* t = table.Rows();
    for (int j = 0; j < 256; ++j) {
        EXPECT_EQ(0, t[0][j]);
        EXPECT_EQ(j, t[255][j]);
    }
    EXPECT_EQ(64, t[128][128]);  // 32769 / 510
    EXPECT_EQ(25, t[100][64]);   // 12801 / 510
    for (int a = 0; a < 256; ++a)
        for (int d = 0; d < 256; d += 5)
            for (int s = 0; s < 256; s += 3) ASSERT_LE(t[255 - a][d] + t[a][s], 255) << a << " " << d << " " << s;
}

TEST(RowTable, RebuildGivesTheSameEntries) {
    pixmill::RowTable table;
    ASSERT_TRUE(table.BuildBlendTable());
    const uint8_t before = table.Rows()[200][77];
    ASSERT_TRUE(table.BuildBlendTable());
    EXPECT_EQ(before, table.Rows()[200][77]);
    EXPECT_EQ(table.Rows()[0] + 256 * 200, table.Rows()[200]);
}

// Either allocation failing leaves no rows behind (the leak checker would see a stray row array),
// with the size still reading 256 as the build had set it; a later build succeeds.
TEST(RowTable, FailedBuildLeavesNoRows) {
    pixmill::RowTable table;
    ASSERT_TRUE(table.BuildBlendTable());
    for (int failing = 1; failing <= 2; ++failing) {
        pixmill_test::FailNthArrayAllocation(failing);
        EXPECT_FALSE(table.BuildBlendTable()) << "allocation " << failing;
        EXPECT_FALSE(table.IsBuilt());
        EXPECT_EQ(nullptr, table.Rows());
        EXPECT_EQ(256, table.Width());
        EXPECT_EQ(256, table.Height());
    }
    pixmill_test::FailNthArrayAllocation(0);
    EXPECT_TRUE(table.BuildBlendTable());
    EXPECT_EQ(255, table.Rows()[255][255]);
}

}  // namespace
