#include <gtest/gtest.h>

#include "demo/base/decimal_scan.h"
#include "demo/runtime/demo_context.h"
#include "tests/support/test_files.h"

namespace {

int32_t MusicNumberAfterLoading(const char* fileContents) {
    ScopedWorkFolder folder;
    if (fileContents != nullptr) WriteFile("Prelo.ini", fileContents);
    DemoContext context;
    context.LoadSettings();
    return context.hostSound.musicNumber;
}

}  // namespace

TEST(LoadSettings, ReadsOneNumberLikePercentD) {
    EXPECT_EQ(7, MusicNumberAfterLoading("  7\r\n"));
    EXPECT_EQ(-1, MusicNumberAfterLoading("-1"));
    EXPECT_EQ(12, MusicNumberAfterLoading("\t+12 and the rest is ignored 99"));
    EXPECT_EQ(3, MusicNumberAfterLoading("3"));  // no terminator in the file itself
}

TEST(LoadSettings, KeepsTheDefaultWithoutANumber) {
    EXPECT_EQ(2, MusicNumberAfterLoading(nullptr));
    EXPECT_EQ(2, MusicNumberAfterLoading(""));
    EXPECT_EQ(2, MusicNumberAfterLoading("abc"));
    EXPECT_EQ(2, MusicNumberAfterLoading("- 5"));
}

TEST(ScanDecimal, WrapsOutOfRangeValuesInsteadOfFailing) {
    int32_t value = 0;
    ASSERT_TRUE(ScanDecimal("4294967297", &value));
    EXPECT_EQ(1, value);
    ASSERT_TRUE(ScanDecimal("-2147483648", &value));
    EXPECT_EQ(INT32_MIN, value);
    EXPECT_FALSE(ScanDecimal(nullptr, &value));
}
