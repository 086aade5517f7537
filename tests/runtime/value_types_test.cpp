#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "demo/base/bound_modules.h"
#include "demo/base/byte_buffer.h"
#include "demo/base/row_table.h"
#include "demo/base/show_message.h"
#include "demo/base/small_string.h"
#include "demo/base/surface_ref.h"
#include "demo/runtime/schedule.h"
#include "tests/support/test_files.h"

TEST(SmallString, NullTextIsEmptyInOneByteAndAssignGrowsOnlyWhenNeeded) {
    SmallString text(nullptr);
    EXPECT_EQ(1u, text.capacity);
    EXPECT_STREQ("", text.data);

    text.Assign("Layerforge");
    EXPECT_EQ(11u, text.capacity);
    EXPECT_STREQ("Layerforge", text.data);

    const char* block = text.data;
    text.Assign("Graph");
    EXPECT_EQ(block, text.data);
    EXPECT_EQ(11u, text.capacity);
    EXPECT_STREQ("Graph", text.data);

    text.Assign(nullptr);
    EXPECT_STREQ("", text.data);
    EXPECT_EQ(block, text.data);
}

TEST(SmallString, FreedTextIgnoresAssignAndFreesTwice) {
    SmallString text("Vuvi01.wav");
    EXPECT_EQ(11u, text.capacity);
    text.Free();
    text.Free();
    text.Assign("again");
    EXPECT_EQ(nullptr, text.data);
    EXPECT_EQ(0u, text.capacity);
    EXPECT_STREQ("", text.Text());
}

TEST(ByteBuffer, ResizeKeepsLeadingBytesAndRejectsZero) {
    ByteBuffer buffer;
    EXPECT_FALSE(buffer.Allocate(0));
    EXPECT_FALSE(buffer.Resize(0));
    ASSERT_TRUE(buffer.Resize(3));  // an empty buffer simply allocates
    std::memcpy(buffer.data, "abc", 3);
    ASSERT_TRUE(buffer.Resize(5));
    EXPECT_EQ(0, std::memcmp(buffer.data, "abc", 3));
    ASSERT_TRUE(buffer.Resize(2));
    EXPECT_EQ(2u, buffer.size);
    EXPECT_EQ(0, std::memcmp(buffer.data, "ab", 2));
    buffer.Free();
    buffer.Free();
    EXPECT_EQ(nullptr, buffer.data);
}

TEST(ByteBuffer, ReadWholeFileMissingEmptyAndFull) {
    ScopedWorkFolder folder;
    ByteBuffer buffer;
    EXPECT_FALSE(buffer.ReadWholeFile("absent.bin"));
    ASSERT_TRUE(WriteFile("empty.bin", ""));
    ASSERT_TRUE(buffer.Allocate(4));
    EXPECT_TRUE(buffer.ReadWholeFile("empty.bin"));
    EXPECT_EQ(0u, buffer.size);
    EXPECT_EQ(nullptr, buffer.data);
    ASSERT_TRUE(WriteFile("five.bin", "12345"));
    ASSERT_TRUE(buffer.ReadWholeFile("five.bin"));
    ASSERT_EQ(5u, buffer.size);
    EXPECT_EQ(0, std::memcmp(buffer.data, "12345", 5));
}

TEST(MultiplyTables, ExactValuesOfTheProductAndScreenTables) {
    RowTable multiply;
    RowTable screen;
    ASSERT_TRUE(BuildMultiplyTable(multiply));
    ASSERT_TRUE(BuildScreenTable(screen, multiply));
    EXPECT_EQ(256, multiply.rowCount);
    EXPECT_EQ(256, multiply.columns);
    EXPECT_EQ(multiply.rows[0] + 256 * 7, multiply.rows[7]);  // one block, rows in order
    EXPECT_EQ(255, multiply.At(255, 255));
    EXPECT_EQ(1, multiply.At(1, 255));
    EXPECT_EQ(0, multiply.At(254, 1));
    EXPECT_EQ(128, multiply.At(128, 255));
    EXPECT_EQ(64, multiply.At(128, 128));
    for (int k = 0; k < 256; ++k) {
        EXPECT_EQ(0, multiply.At(k, 0));
        EXPECT_EQ(k, multiply.At(255, k));
        EXPECT_EQ(255, screen.At(255, k));
        EXPECT_EQ(k, screen.At(k, 0));
        for (int j = 0; j < 256; ++j) ASSERT_EQ(j * k / 255, multiply.At(j, k)) << j << "," << k;
    }
    EXPECT_EQ(0, screen.At(0, 0));
    EXPECT_EQ(192, screen.At(128, 128));
    multiply.Free();
    multiply.Free();
    EXPECT_EQ(0, multiply.rowCount);
    EXPECT_EQ(0, multiply.columns);
    EXPECT_EQ(nullptr, multiply.rows);
}

TEST(Schedule, WindowsAreContiguousAndBoundariesBelongToTheLaterScene) {
    ScheduleEntry entries[kSceneCount];
    FillSchedule(entries, kSceneCount);
    EXPECT_EQ(0u, entries[0].startMs);
    EXPECT_EQ(5000u, entries[0].endMs);
    EXPECT_EQ(64737u, entries[10].startMs);
    EXPECT_EQ(107737u, entries[10].endMs);
    EXPECT_EQ(124634u, entries[11].endMs);
    for (int i = 1; i < kSceneCount; ++i) EXPECT_EQ(entries[i - 1].endMs, entries[i].startMs);

    EXPECT_EQ(0, FindSceneIndex(entries, kSceneCount, 0));
    EXPECT_EQ(0, FindSceneIndex(entries, kSceneCount, 4999));
    EXPECT_EQ(1, FindSceneIndex(entries, kSceneCount, 5000));
    EXPECT_EQ(6, FindSceneIndex(entries, kSceneCount, 42672));
    EXPECT_EQ(11, FindSceneIndex(entries, kSceneCount, 124633));
    EXPECT_EQ(-1, FindSceneIndex(entries, kSceneCount, 124634));
    EXPECT_EQ(-1, FindSceneIndex(entries, kSceneCount, 0xFFFFFFFFu));

    entries[0].endMs = 0;  // an empty entry never matches
    EXPECT_EQ(-1, FindSceneIndex(entries, kSceneCount, 0));
    EXPECT_EQ(-1, FindSceneIndex(nullptr, 0, 0));
}

namespace {

class CountingSurface : public ISurface {
public:
    int releases = 0;
    int32_t Identify() override { return 1; }
    int32_t Release() override { return ++releases + 40; }
    uint8_t* PixelAt(int32_t, int32_t) override { return nullptr; }
    uint8_t* AlphaAt(int32_t, int32_t) override { return nullptr; }
    int32_t Width() override { return 33; }
    int32_t Height() override { return 22; }
    int32_t Depth() override { return 24; }
    int32_t Pitch() override { return 99; }
    int32_t AlphaPitch() override { return 0; }
    bool HasPixels() override { return true; }
    bool IsHostOwned() override { return true; }
};

}  // namespace

TEST(SurfaceRef, ReleasesOnceAndReportsZeroWhenEmpty) {
    CountingSurface surface;
    {
        SurfaceRef holder(&surface);
        EXPECT_EQ(33, holder.Width());
        EXPECT_EQ(22, holder.Height());
        EXPECT_EQ(41, holder.Release());
        EXPECT_EQ(0, holder.Release());
        EXPECT_EQ(0, holder.Width());
        holder.Reset(&surface);
    }
    EXPECT_EQ(2, surface.releases);  // the destructor released the second hold
}

TEST(ShowMessage, FormatsWithCaptionAndCutsOverlongText) {
    MessageCapture capture;
    ShowMessage("ＤＬＬ【 %s 】の読み込みに失敗しました", "Graph");
    const std::string longName(5000, 'x');
    ShowMessage("%s", longName.c_str());
    const auto texts = capture.Texts();
    ASSERT_EQ(2u, texts.size());
    EXPECT_EQ("ＤＬＬ【 Graph 】の読み込みに失敗しました", texts[0]);
    EXPECT_EQ(std::string(1023, 'x'), texts[1]);
    EXPECT_EQ("Prelo.dll", capture.Captions()[0]);
}
