// The Linux update program against a registry that Wine itself wrote: the key is set with
// "wine reg add" in a fresh prefix, and update must find the install folder through it.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "test_folder.h"

extern char** environ;

namespace update {
namespace {

using testing::TestFolder;

std::string ProgramFolder() {
    std::string path(4096, '\0');
    ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size() - 1);
    path.resize(length > 0 ? static_cast<size_t>(length) : 0);
    return path.substr(0, path.rfind('/') + 1);
}

bool OnPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    std::string folders = path != nullptr ? path : "";
    for (size_t start = 0; start <= folders.size();) {
        size_t end = folders.find(':', start);
        if (end == std::string::npos) end = folders.size();
        if (::access((folders.substr(start, end - start) + "/" + program).c_str(), X_OK) == 0) return true;
        start = end + 1;
    }
    return false;
}

// Runs a program with extra environment entries, its output and errors into files. Returns the
// exit status, or -1 when it did not run or end normally.
int RunProgram(const std::vector<std::string>& arguments, const std::vector<std::string>& extraEnvironment,
               const std::string& outputFile, const std::string& errorFile) {
    std::vector<std::string> environment = extraEnvironment;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text = *entry;
        const std::string name = text.substr(0, text.find('=') + 1);
        bool replaced = name == "DISPLAY=";
        for (const std::string& extra : extraEnvironment) replaced = replaced || extra.rfind(name, 0) == 0;
        if (!replaced) environment.push_back(text);
    }
    std::vector<char*> argv;
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (std::string& entry : environment) envp.push_back(entry.data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, errorFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t child = 0;
    const int started = ::posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (started != 0) return -1;
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

// One Wine prefix for the suite: booting one takes seconds.
class UpdateProgramTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!OnPath("wine") || !OnPath("wineserver")) return;
        prefix_ = new TestFolder;
        const std::vector<std::string> wine = {
            "WINEPREFIX=" + Prefix(),           "WINEARCH=win32",   "WINEDEBUG=-all",
            "WINEDLLOVERRIDES=mscoree,mshtml=", "LANG=ja_JP.UTF-8", "LC_ALL=ja_JP.UTF-8"};
        const std::string log = prefix_->Path() + "wine.log";
        // The same folder twice: with its trailing backslash and, as registry values may be, without.
        auto add = [&](const char* key, const char* folder) {
            return RunProgram({"wine", "reg", "add", std::string("HKCU\\Software\\Corvane\\") + key, "/ve", "/d",
                               folder, "/f"},
                              wine, log, log) == 0;
        };
        registered_ = add("UpdateTest", "C:\\ゲーム\\") && add("UpdateTestNoSlash", "C:\\ゲーム") &&
                      // The server writes user.reg when it ends.
                      RunProgram({"wineserver", "-w"}, wine, log, log) == 0 && prefix_->Exists("prefix/user.reg");
    }
    static void TearDownTestSuite() {
        delete prefix_;
        prefix_ = nullptr;
    }
    static std::string Prefix() { return prefix_->Path() + "prefix"; }

    void SetUp() override {
        if (prefix_ == nullptr) GTEST_SKIP() << "wine is not installed";
        ASSERT_TRUE(registered_) << prefix_->Read("wine.log");
        prefix_->MakeFolder("prefix/drive_c/ゲーム");
        prefix_->MakeFolder("prefix/drive_c/ゲーム/data");
        ASSERT_EQ(
            RunProgram({"cp", ProgramFolder() + "update", source_.Path() + "update"}, {}, "/dev/null", "/dev/null"), 0);
        source_.MakeFolder("data");
        source_.Write("update.inf", "reg=UpdateTest\r\nfile=a.dat\r\nfile=data\\cg.dat\r\n");
        source_.Write("a.dat", "new a");
        source_.Write("data/cg.dat", "new cg");
    }
    void TearDown() override {
        if (prefix_ == nullptr) return;
        for (const char* name : {"prefix/drive_c/ゲーム/a.dat", "prefix/drive_c/ゲーム/data/cg.dat"}) {
            prefix_->SetReadOnly(name, false);
            std::remove((prefix_->Path() + name).c_str());
        }
    }

    int RunUpdate() {
        return RunProgram({source_.Path() + "update"}, {"WINEPREFIX=" + Prefix()}, source_.Path() + "out.txt",
                          source_.Path() + "err.txt");
    }

    static inline TestFolder* prefix_ = nullptr;
    static inline bool registered_ = false;
    TestFolder source_;
};

TEST_F(UpdateProgramTest, FindsTheInstallFolderThatWineRegistered) {
    prefix_->Write("prefix/drive_c/ゲーム/data/cg.dat", "old cg");
    source_.SetReadOnly("a.dat", true);
    EXPECT_EQ(RunUpdate(), 0);
    EXPECT_EQ(prefix_->Read("prefix/drive_c/ゲーム/a.dat"), "new a");
    EXPECT_EQ(prefix_->Read("prefix/drive_c/ゲーム/data/cg.dat"), "new cg");
    EXPECT_FALSE(prefix_->IsReadOnly("prefix/drive_c/ゲーム/a.dat"));
    EXPECT_EQ(source_.Read("err.txt"),
              "[update.exe] アップデート完了\n以下のファイルが更新されました\na.dat\ndata\\cg.dat\n\n");
    // The progress display ends on the last file, shown as the program sees its paths.
    const std::string output = source_.Read("out.txt");
    EXPECT_NE(output.find("2/2"), std::string::npos) << output;
    EXPECT_NE(output.find("C:\\ゲーム\\data\\cg.dat"), std::string::npos) << output;
}

TEST_F(UpdateProgramTest, ALeadingBackslashJoinsAFolderWithoutItsOwn) {
    source_.Write("update.inf", "reg=UpdateTestNoSlash\r\nfile=\\data\\cg.dat\r\n");
    EXPECT_EQ(RunUpdate(), 0);
    EXPECT_EQ(prefix_->Read("prefix/drive_c/ゲーム/data/cg.dat"), "new cg") << source_.Read("err.txt");
}

TEST_F(UpdateProgramTest, ReportsAFileThatCannotBeCopied) {
    source_.Write("update.inf", "reg=UpdateTest\r\nfile=missing.dat\r\nfile=a.dat\r\n");
    EXPECT_EQ(RunUpdate(), 0);
    EXPECT_FALSE(prefix_->Exists("prefix/drive_c/ゲーム/a.dat"));
    const std::string errors = source_.Read("err.txt");
    EXPECT_NE(errors.find("[ファイルエラー] Z:"), std::string::npos) << errors;
    EXPECT_NE(errors.find("missing.datから\nC:\\ゲーム\\missing.datへのコピーに失敗しました"), std::string::npos)
        << errors;
}

}  // namespace
}  // namespace update
