#include "control_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "recording_view.h"
#include "test_folder.h"

namespace update {
namespace {

using Lines = std::vector<std::string>;
using testing::RecordingView;
using testing::TestFolder;

bool IsShiftJisLeadByte(uint8_t byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

Lines Split(std::string_view bytes) { return SplitControlLines(bytes, IsShiftJisLeadByte); }

TEST(ControlFileTest, OnlyLinesEndedByCarriageReturnAndOneMoreByteCount) {
    EXPECT_EQ(Split("reg=Game\r\nfile=a.dat\r\n"), (Lines{"reg=Game", "file=a.dat"}));
    EXPECT_EQ(Split("a\r\nb"), (Lines{"a"}));
    // The byte after the carriage return is skipped whatever it is.
    EXPECT_EQ(Split("a\rxb\r\n"), (Lines{"a", "b"}));
    EXPECT_EQ(Split("a\r"), (Lines{"a"}));
    EXPECT_EQ(Split("\r\n\r\n"), (Lines{"", ""}));
    // Line feeds alone end nothing: one unterminated line, dropped.
    EXPECT_EQ(Split("reg=Game\nfile=a.dat\n"), Lines{});
    EXPECT_EQ(Split(""), Lines{});
}

TEST(ControlFileTest, TwoByteCharactersStayWhole) {
    // A trail byte of 13 does not end the line.
    EXPECT_EQ(Split("file=\x83\x0D.dat\r\n"), (Lines{"file=\x83\x0D.dat"}));
    EXPECT_EQ(Split("file=\x83\x5C\r\n"), (Lines{"file=\x83\x5C"}));
    // A lead byte as the very last byte reads nothing beyond the file.
    const char last[] = {'a', '\r', '\n', 'b', '\x83'};
    EXPECT_EQ(Split(std::string_view(last, sizeof last)), (Lines{"a"}));
}

TEST(ControlFileTest, FileAndRegLinesMatchExactlyAtTheLineStart) {
    UpdatePlan plan;
    plan.registryKeyPath = kRegistryKeyRoot;
    ApplyControlLines({"file=data\\cg.dat", "File=upper.dat", " file=space.dat", "FILE=caps.dat", "reg=A", "comment",
                       "file= spaced name ", "reg=B", "file=data\\cg.dat", "file="},
                      plan);
    EXPECT_EQ(plan.updateFiles, (Lines{"data\\cg.dat", " spaced name ", "data\\cg.dat", ""}));
    EXPECT_EQ(plan.registryKeyPath, "Software\\Corvane\\AB");
}

class ReadControlFileTest : public ::testing::Test {
protected:
    UpdatePlan PlanIn(const TestFolder& source) {
        UpdatePlan plan;
        plan.sourceFolder = source.Path();
        plan.installFolder = "stale";
        plan.updateFiles = {"stale"};
        return plan;
    }

    TestFolder folder;
    RecordingView view;
};

TEST_F(ReadControlFileTest, AMissingControlFileIsReported) {
    UpdatePlan plan = PlanIn(folder);
    EXPECT_FALSE(ReadControlFile(plan, view));
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text, folder.Path() + "update.inf\nの読み込みに失敗しました");
    EXPECT_EQ(view.messages[0].caption, "ファイルエラー");
    EXPECT_EQ(view.messages[0].style, kBoxIconError);
}

TEST_F(ReadControlFileTest, AMissingKeyIsReportedWithItsPath) {
    folder.Write("update.inf", "reg=update-test-no-such-key\r\nfile=a.dat\r\n");
    UpdatePlan plan = PlanIn(folder);
    EXPECT_FALSE(ReadControlFile(plan, view));
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text,
              "HKEY_CURRENT_USER\\Software\\Corvane\\update-test-no-such-key\nの読み込みに失敗しました");
    EXPECT_EQ(view.messages[0].caption, "レジストリエラー");
    EXPECT_EQ(plan.updateFiles, Lines{"a.dat"});
}

#ifndef _WIN32
// Linux reads the registry from the Wine prefix's user.reg.
class WinePrefixReadTest : public ReadControlFileTest {
protected:
    void SetUp() override {
        const char* old = std::getenv("WINEPREFIX");
        savedPrefix_ = old != nullptr ? old : "";
        hadPrefix_ = old != nullptr;
        ::setenv("WINEPREFIX", prefix_.Path().c_str(), 1);
    }
    void TearDown() override {
        if (hadPrefix_)
            ::setenv("WINEPREFIX", savedPrefix_.c_str(), 1);
        else
            ::unsetenv("WINEPREFIX");
    }
    void WriteUserReg(const std::string& body) {
        prefix_.Write("user.reg",
                      "WINE REGISTRY Version 2\n;; All keys relative to REGISTRY\\\\User\\\\S-1-5-21\n\n"
                      "#arch=win32\n\n" +
                          body);
    }

    TestFolder prefix_;
    std::string savedPrefix_;
    bool hadPrefix_ = false;
};

TEST_F(WinePrefixReadTest, TheInstallFolderIsTheKeysDefaultValueUnchanged) {
    WriteUserReg("[Software\\\\Corvane\\\\Game] 1\n#time=1\n@=\"C:\\\\Game\"\n\"Other\"=\"x\"\n");
    folder.Write("update.inf", "reg=Game\r\nfile=a.dat\r\n");
    UpdatePlan plan = PlanIn(folder);
    EXPECT_TRUE(ReadControlFile(plan, view));
    EXPECT_TRUE(view.messages.empty());
    EXPECT_EQ(plan.installFolder, "C:\\Game");
    EXPECT_EQ(plan.registryKeyPath, "Software\\Corvane\\Game");
}

TEST_F(WinePrefixReadTest, WithoutRegLinesTheRootKeyIsRead) {
    WriteUserReg("[Software\\\\Corvane] 1\n@=\"D:\\\\\"\n");
    folder.Write("update.inf", "file=a.dat\n");
    UpdatePlan plan = PlanIn(folder);
    EXPECT_TRUE(ReadControlFile(plan, view));
    EXPECT_EQ(plan.installFolder, "D:\\");
    EXPECT_TRUE(plan.updateFiles.empty());
}

TEST_F(WinePrefixReadTest, AValueThatCannotBeReadLeavesTheInstallFolderEmpty) {
    const std::string tooLong(kInstallFolderBufferSize, 'x');
    WriteUserReg("[Software\\\\Corvane\\\\Long] 1\n@=\"" + tooLong +
                 "\"\n[Software\\\\Corvane\\\\None] 1\n\"A\"=\"b\"\n");
    for (const char* key : {"Long", "None"}) {
        folder.Write("update.inf", std::string("reg=") + key + "\r\n");
        UpdatePlan plan = PlanIn(folder);
        EXPECT_TRUE(ReadControlFile(plan, view)) << key;
        EXPECT_EQ(plan.installFolder, "") << key;
    }
    // The longest value that fits, with its NUL, is used whole.
    const std::string longest(kInstallFolderBufferSize - 1, 'y');
    WriteUserReg("[Software\\\\Corvane\\\\Long] 1\n@=\"" + longest + "\"\n");
    folder.Write("update.inf", "reg=Long\r\n");
    UpdatePlan plan = PlanIn(folder);
    EXPECT_TRUE(ReadControlFile(plan, view));
    EXPECT_EQ(plan.installFolder, longest);
    EXPECT_TRUE(view.messages.empty());
}
#endif

}  // namespace
}  // namespace update
