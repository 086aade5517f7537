#include "copy_files.h"

#include <gtest/gtest.h>

#include <optional>

#include "copy_faults.h"
#include "install_name.h"
#include "recording_view.h"
#include "test_folder.h"

namespace update {
namespace {

using Events = std::vector<std::string>;
using testing::FileSizeLimit;
using testing::FolderRefusingNewFiles;
using testing::RecordingView;
using testing::TestFolder;
using testing::UnreadableSource;

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

// A name that could write outside the install folder is a failed copy at its place in the list:
// nothing is written for it or after it, not even where it points.
TEST_F(CopyFilesTest, ANameLeavingTheInstallFolderIsAFailedCopy) {
    source.MakeFolder("new");
    install.MakeFolder("game");
    source.Write("new/first.dat", "new first");
    source.Write("new/last.dat", "new last");
    source.Write("x.dat", "new x");
    install.Write("x.dat", "old x");
    UpdatePlan plan = Plan({"first.dat", "..\\x.dat", "last.dat"});
    plan.sourceFolder += "new" + std::string(1, plan.sourceFolder.back());
    plan.installFolder += "game" + std::string(1, plan.installFolder.back());
    EXPECT_FALSE(CopyUpdateFiles(plan, view));
    EXPECT_EQ(install.Read("game/first.dat"), "new first");
    EXPECT_EQ(install.Read("x.dat"), "old x");
    EXPECT_FALSE(install.Exists("game/last.dat"));
    EXPECT_EQ(view.lastPosition, 2u);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text,
              plan.sourceFolder + "..\\x.datから\n" + plan.installFolder + "..\\x.datへのコピーに失敗しました");
}

// A registry value without its trailing separator is joined directly, so a name that brings its
// own leading separator lands below the install folder.
TEST_F(CopyFilesTest, ALeadingSeparatorContinuesAnInstallFolderWithoutOne) {
    source.MakeFolder("data");
    install.MakeFolder("data");
    source.Write("data/cg.dat", "new cg");
    UpdatePlan plan = Plan({"\\data\\cg.dat"});
    plan.installFolder.pop_back();
    EXPECT_TRUE(CopyUpdateFiles(plan, view)) << (view.messages.empty() ? "" : view.messages[0].text);
    EXPECT_EQ(install.Read("data/cg.dat"), "new cg");
}

TEST(InstallName, OnlyNamesThatCanLeaveTheFolderAreRefused) {
    auto shiftJisLead = [](uint8_t b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); };
    auto noLead = [](uint8_t) { return false; };
    const struct {
        const char* installFolder;
        const char* name;
        bool insideWithShiftJis;
        bool insideByteWise;
    } cases[] = {
        {"C:\\Game", "..\\x.dat", false, false},
        {"C:\\Game\\", "../x.dat", false, false},
        {"C:\\Game\\", "data\\..\\..\\x.dat", false, false},
        {"C:\\Game\\", "data/../../x.dat", false, false},
        {"C:\\Game\\", "..", false, false},
        {"C:\\Game", "\\data\\cg.dat", true, true},
        {"C:\\Game", "/data/cg.dat", true, true},
        {"C:\\Game\\", "C:x.dat", true, true},  // no valid name: the copy fails by itself
        {"", "\\x.dat", false, false},          // from the current folder: the root of its drive
        {"", "/x.dat", false, false},
        {"", "C:x.dat", false, false},
        {"", "c:\\x.dat", false, false},
        {"", "data\\cg.dat", true, true},
        {"C:\\Game\\", "data\\a..b.dat", true, true},
        {"C:\\Game\\", "..data\\x", true, true},
        {"C:\\Game\\", "\x95\\..\\x.dat", true, false},  // the first separator is the trail byte of a character
        {"C:\\Game\\", "\x95\\\\..\\x.dat", false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StaysInsideInstallFolder(c.installFolder, c.name, shiftJisLead), c.insideWithShiftJis)
            << c.installFolder << " + " << c.name;
        EXPECT_EQ(StaysInsideInstallFolder(c.installFolder, c.name, noLead), c.insideByteWise)
            << c.installFolder << " + " << c.name;
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

enum class Fault { kNone, kDiskFull, kUnreadableFromTheStart, kUnreadablePastTheFirstBlock };
enum class Beside { kMade, kNameIsAFolder, kFolderTakesNoNewFile };

struct FaultCase {
    const char* name;
    Fault fault;
    Beside beside;
};

void PrintTo(const FaultCase& c, std::ostream* out) { *out << c.name; }

class CopyFaultTest : public CopyFilesTest, public ::testing::WithParamInterface<FaultCase> {};

// Real faults met on the way: each one stops the update with the failed-copy message and leaves
// the old file as it was, whether the copy went to the name beside it or, that name refused,
// rewrote the old file in place. Without a fault the refused name still lets the copy through.
TEST_P(CopyFaultTest, NoFailureChangesTheOldFile) {
    constexpr size_t kNewSize = 1 << 20;
    constexpr uint64_t kSizeLimit = 256 << 10;  // passed part-way through the new file
    const FaultCase& c = GetParam();
    std::string newBytes(kNewSize, '\0');
    for (size_t i = 0; i < kNewSize; ++i) newBytes[i] = static_cast<char>(i * 7 + i / 251);
    const std::string oldBytes = "old " + std::string(4000, 'o') + " end";

    std::optional<UnreadableSource> unreadable;
    UpdatePlan plan = Plan({"big.dat"});
    if (c.fault == Fault::kUnreadableFromTheStart || c.fault == Fault::kUnreadablePastTheFirstBlock) {
        const auto where = c.fault == Fault::kUnreadableFromTheStart ? UnreadableSource::Where::kFromTheStart
                                                                     : UnreadableSource::Where::kPastTheFirstBlock;
        if (!unreadable.emplace(where).Active()) GTEST_SKIP() << "the system offers no such source here";
        plan.sourceFolder = unreadable->Folder();
        plan.updateFiles = {unreadable->Name()};
    } else {
        source.Write("big.dat", newBytes);
    }
    const std::string& name = plan.updateFiles[0];
    install.Write(name, oldBytes);
    std::vector<std::string> expectedNames = {name};
    if (c.beside == Beside::kNameIsAFolder) {
        install.MakeFolder(name + "~update");
        expectedNames.push_back(name + "~update");
    }
    bool copied = false;
    {
        std::optional<FolderRefusingNewFiles> refusing;
        std::optional<FileSizeLimit> limit;
        if (c.beside == Beside::kFolderTakesNoNewFile && !refusing.emplace(install.Path()).Active()) {
            GTEST_SKIP() << "this process may make files in any folder";
        }
        if (c.fault == Fault::kDiskFull && !limit.emplace(kSizeLimit).Active()) {
            GTEST_SKIP() << "no file-size limit can be set here";
        }
        copied = CopyUpdateFiles(plan, view);
    }
    EXPECT_EQ(install.List(), expectedNames);
    ASSERT_EQ(view.messages.size(), 1u);
    if (c.fault == Fault::kNone) {
        EXPECT_TRUE(copied) << view.messages[0].text;
        EXPECT_TRUE(install.Read(name) == newBytes);
        return;
    }
    EXPECT_FALSE(copied);
    EXPECT_TRUE(install.Read(name) == oldBytes) << install.Read(name).size() << " bytes";
    EXPECT_EQ(view.messages[0].text,
              plan.sourceFolder + name + "から\n" + plan.installFolder + name + "へのコピーに失敗しました");
    EXPECT_EQ(view.messages[0].caption, "ファイルエラー");
    EXPECT_EQ(view.messages[0].style, kBoxIconError);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, CopyFaultTest,
    ::testing::Values(FaultCase{"NameBesideIsAFolder", Fault::kNone, Beside::kNameIsAFolder},
                      FaultCase{"FolderTakesNoNewFile", Fault::kNone, Beside::kFolderTakesNoNewFile},
                      FaultCase{"DiskFull", Fault::kDiskFull, Beside::kMade},
                      FaultCase{"DiskFullInPlace", Fault::kDiskFull, Beside::kNameIsAFolder},
                      FaultCase{"DiskFullInAFolderTakingNoNewFile", Fault::kDiskFull, Beside::kFolderTakesNoNewFile},
                      FaultCase{"Unreadable", Fault::kUnreadableFromTheStart, Beside::kMade},
                      FaultCase{"UnreadableInPlace", Fault::kUnreadableFromTheStart, Beside::kNameIsAFolder},
                      FaultCase{"UnreadablePastTheFirstBlock", Fault::kUnreadablePastTheFirstBlock, Beside::kMade},
                      FaultCase{"UnreadablePastTheFirstBlockInPlace", Fault::kUnreadablePastTheFirstBlock,
                                Beside::kNameIsAFolder}),
    [](const ::testing::TestParamInfo<FaultCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace update
