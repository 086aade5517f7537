#include "copy_files.h"

#include <gtest/gtest.h>

#include "install_name.h"
#include "recording_view.h"
#include "test_folder.h"

namespace update {
namespace {

using Events = std::vector<std::string>;
using testing::RecordingView;
using testing::TestFolder;

class CopyFilesTest : public ::testing::Test {
protected:
    UpdatePlan Plan(std::vector<std::string> files) {
        UpdatePlan plan;
        plan.sourceFolder = source.Path();
        plan.installFolder = install.Path();
        plan.updateFiles = std::move(files);
        return plan;
    }

    TestFolder source;
    TestFolder install;
    RecordingView view;
};

TEST_F(CopyFilesTest, CopiesEveryFileAndListsThemAll) {
    source.MakeFolder("data");
    install.MakeFolder("data");
    source.Write("a.dat", "new a");
    source.Write("data/cg.dat", "new cg");
    install.Write("a.dat", "old a, longer than the new one");
    EXPECT_TRUE(CopyUpdateFiles(Plan({"a.dat", "data\\cg.dat"}), view));
    EXPECT_EQ(install.Read("a.dat"), "new a");
    EXPECT_EQ(install.Read("data/cg.dat"), "new cg");
    EXPECT_EQ(view.events,
              (Events{"range 2", "position 0", "position 1", "source " + source.Path() + "a.dat",
                      "destination " + install.Path() + "a.dat", "position 2",
                      "source " + source.Path() + "data\\cg.dat", "destination " + install.Path() + "data\\cg.dat"}));
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text, "アップデート完了\n以下のファイルが更新されました\na.dat\ndata\\cg.dat\n");
    EXPECT_EQ(view.messages[0].caption, "update.exe");
    EXPECT_EQ(view.messages[0].style, kBoxOk);
    // Nothing but the files themselves is left in the install folder.
    EXPECT_EQ(install.List(), (Events{"a.dat", "data"}));
    EXPECT_EQ(install.List("data"), (Events{"cg.dat"}));
}

TEST_F(CopyFilesTest, WithoutFilesTheRangeIsEmptyAndNoNameIsListed) {
    EXPECT_TRUE(CopyUpdateFiles(Plan({}), view));
    EXPECT_EQ(view.events, (Events{"range 0", "position 0"}));
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text, "アップデート完了\n以下のファイルが更新されました\n");
}

TEST_F(CopyFilesTest, TheFirstFailureStopsTheCopyAndKeepsWhatWasCopied) {
    source.Write("one.dat", "new one");
    source.Write("three.dat", "new three");
    install.Write("one.dat", "old one");
    install.Write("two.dat", "old two");
    install.Write("three.dat", "old three");
    EXPECT_FALSE(CopyUpdateFiles(Plan({"one.dat", "two.dat", "three.dat"}), view));
    EXPECT_EQ(view.lastPosition, 2u);
    EXPECT_EQ(install.Read("one.dat"), "new one");
    EXPECT_EQ(install.Read("two.dat"), "old two");
    EXPECT_EQ(install.Read("three.dat"), "old three");
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text,
              source.Path() + "two.dat" + "から\n" + install.Path() + "two.dat" + "へのコピーに失敗しました");
    EXPECT_EQ(view.messages[0].caption, "ファイルエラー");
    EXPECT_EQ(view.messages[0].style, kBoxIconError);
}

TEST_F(CopyFilesTest, NoSeparatorIsAddedAfterTheInstallFolder) {
    source.Write("a.dat", "new a");
    UpdatePlan plan = Plan({"a.dat"});
    plan.installFolder = install.Path() + "prefix-";
    EXPECT_TRUE(CopyUpdateFiles(plan, view));
    EXPECT_EQ(install.Read("prefix-a.dat"), "new a");
}

TEST_F(CopyFilesTest, AMissingSubfolderIsNotCreated) {
    source.MakeFolder("data");
    source.Write("data/cg.dat", "new cg");
    EXPECT_FALSE(CopyUpdateFiles(Plan({"data\\cg.dat"}), view));
    EXPECT_FALSE(install.Exists("data"));
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].caption, "ファイルエラー");
}

TEST_F(CopyFilesTest, TheCopyIsWritableEvenFromAReadOnlySource) {
    source.Write("a.dat", "new a");
    source.SetReadOnly("a.dat", true);
    EXPECT_TRUE(CopyUpdateFiles(Plan({"a.dat"}), view));
    EXPECT_EQ(install.Read("a.dat"), "new a");
    EXPECT_FALSE(install.IsReadOnly("a.dat"));
    EXPECT_TRUE(source.IsReadOnly("a.dat"));
    // A second update over it therefore succeeds.
    EXPECT_TRUE(CopyUpdateFiles(Plan({"a.dat"}), view));
}

TEST_F(CopyFilesTest, AReadOnlyDestinationIsRefusedAndKept) {
    source.Write("a.dat", "new a");
    install.Write("a.dat", "old a");
    install.SetReadOnly("a.dat", true);
    EXPECT_FALSE(CopyUpdateFiles(Plan({"a.dat"}), view));
    EXPECT_EQ(install.Read("a.dat"), "old a");
    EXPECT_EQ(install.List(), (Events{"a.dat"}));
}

TEST_F(CopyFilesTest, AFailedCopyLeavesNoPartialFileBehind) {
    install.Write("gone.dat", "old");
    EXPECT_FALSE(CopyUpdateFiles(Plan({"gone.dat"}), view));
    EXPECT_EQ(install.Read("gone.dat"), "old");
    EXPECT_EQ(install.List(), (Events{"gone.dat"}));
    // A partial copy an interrupted run left behind is cleared by the next one.
    source.Write("gone.dat", "new");
    install.Write("gone.dat~update", "partial");
    install.SetReadOnly("gone.dat~update", true);
    EXPECT_TRUE(CopyUpdateFiles(Plan({"gone.dat"}), view));
    EXPECT_EQ(install.Read("gone.dat"), "new");
    EXPECT_EQ(install.List(), (Events{"gone.dat"}));
}

// A control file names files below the install folder; any other name is a failed copy at its
// place in the list, and nothing is written for it or after it.
TEST_F(CopyFilesTest, ANameOutsideTheInstallFolderIsAFailedCopy) {
    source.Write("first.dat", "new first");
    source.Write("last.dat", "new last");
    for (const std::string escaping : {"..\\x.dat", "../x.dat", "\\x.dat", "/x.dat", "C:x.dat", "c:\\x.dat",
                                       "data\\..\\..\\x.dat", "data/../../x.dat", ".."}) {
        RecordingView seen;
        install.Write("first.dat", "old first");
        EXPECT_FALSE(CopyUpdateFiles(Plan({"first.dat", escaping, "last.dat"}), seen)) << escaping;
        EXPECT_EQ(install.Read("first.dat"), "new first") << escaping;
        EXPECT_FALSE(install.Exists("last.dat")) << escaping;
        EXPECT_EQ(seen.lastPosition, 2u) << escaping;
        ASSERT_EQ(seen.messages.size(), 1u) << escaping;
        EXPECT_EQ(seen.messages[0].text,
                  source.Path() + escaping + "から\n" + install.Path() + escaping + "へのコピーに失敗しました");
    }
}

TEST(InstallName, SeparatorsInsideTwoByteCharactersSeparateNothing) {
    auto shiftJisLead = [](uint8_t b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); };
    auto noLead = [](uint8_t) { return false; };
    const struct {
        const char* name;
        bool insideWithShiftJis;
        bool insideByteWise;
    } cases[] = {
        {"data\\a..b.dat", true, true},
        {"..data\\x", true, true},
        {"\x95\\..\\x.dat", true, false},  // the first separator is the trail byte of a character
        {"\x95\\\\..\\x.dat", false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StaysInsideInstallFolder(c.name, shiftJisLead), c.insideWithShiftJis) << c.name;
        EXPECT_EQ(StaysInsideInstallFolder(c.name, noLead), c.insideByteWise) << c.name;
    }
}

// Where the name beside the destination cannot be made, the copy goes straight over it.
TEST_F(CopyFilesTest, ANameTooLongForTheCopyBesideItStillCopies) {
#ifdef _WIN32
    const size_t length = 255 - install.Path().size();  // the destination fits the path limit, the copy beside it not
#else
    const size_t length = 250;  // a name fits the limit of one name, the copy beside it not
#endif
    const std::string name = std::string(length - 4, 'n') + ".dat";
    source.Write(name, "new");
    install.Write(name, "old");
    EXPECT_TRUE(CopyUpdateFiles(Plan({name}), view));
    EXPECT_EQ(install.Read(name), "new");
    EXPECT_EQ(install.List(), (Events{name}));
}

}  // namespace
}  // namespace update
