#include "copy_files.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace update
