// The real update.exe, started as a user would, watched and answered from outside.
#include <gtest/gtest.h>
#include <windows.h>
// The common controls header builds on the types of windows.h.
#include <commctrl.h>

#include <string>
#include <vector>

#include "test_folder.h"
#include "window_probe.h"

namespace update {
namespace {

using testing::ControlSnapshot;
using testing::TestFolder;

constexpr DWORD kTimeoutMs = 30000;

std::string ProgramFolder() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder = path;
    return folder.substr(0, folder.rfind('\\') + 1);
}

// What the user saw of one message box, and of the dialog behind it at that moment.
struct Observed {
    std::string boxCaption;
    std::string boxText;
    std::string dialogCaption;
    DWORD dialogStyle = 0;
    std::vector<ControlSnapshot> controls;
    LRESULT progressPosition = -1;
    LRESULT progressHigh = -1;
    bool dialogSurvivedCommands = false;
    DWORD exitCode = 0xFFFFFFFF;
};

class UpdateExeTest : public ::testing::Test {
protected:
    void SetUp() override {
        // A space and two characters whose trail byte is a backslash ("ソ表") in the program's folder.
        source_ = work_.MakeFolder("new ソ表");
        install_ = work_.MakeFolder("ゲーム");
        keyName_ = "update-e2e-" + std::to_string(::GetCurrentProcessId());
        ASSERT_TRUE(::CopyFileA((ProgramFolder() + "update.exe").c_str(), (source_ + "update.exe").c_str(), FALSE));
    }
    void TearDown() override { ::RegDeleteKeyA(HKEY_CURRENT_USER, ("Software\\Corvane\\" + keyName_).c_str()); }

    void WriteInstallFolderKey(const std::string& value) {
        HKEY key = nullptr;
        ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, ("Software\\Corvane\\" + keyName_).c_str(), 0, nullptr, 0,
                                    KEY_WRITE, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        ::RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                         static_cast<DWORD>(value.size() + 1));
        ::RegCloseKey(key);
    }

    // Runs update.exe from another current folder, waits for its one message box, records it
    // and the dialog, answers OK and waits for the program to end.
    Observed Run() {
        Observed seen;
        std::string commandLine = "\"" + source_ + "update.exe\"";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        if (!::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, work_.Path().c_str(),
                              &startup, &process)) {
            ADD_FAILURE() << "update.exe did not start";
            return seen;
        }
        HWND box = testing::WaitForProcessWindow(process.dwProcessId, "#32770", "update", true, kTimeoutMs);
        HWND dialog = testing::FindProcessWindow(process.dwProcessId, "#32770", "update");
        EXPECT_NE(box, nullptr) << "no message box";
        EXPECT_NE(dialog, nullptr) << "no progress dialog behind the box";
        if (box != nullptr) {
            char caption[256] = {};
            ::GetWindowTextA(box, caption, sizeof caption);
            seen.boxCaption = caption;
            seen.boxText = testing::MessageBoxText(box);
        }
        if (dialog != nullptr) {
            seen.dialogCaption = testing::WindowText(dialog);
            seen.dialogStyle = static_cast<DWORD>(::GetWindowLongA(dialog, GWL_STYLE));
            seen.controls = testing::Controls(dialog);
            HWND bar = ::GetDlgItem(dialog, 1002);
            seen.progressPosition = ::SendMessageA(bar, PBM_GETPOS, 0, 0);
            seen.progressHigh = ::SendMessageA(bar, PBM_GETRANGE, FALSE, 0);
        }
        if (dialog != nullptr) {
            // Nothing the user does reaches the dialog: Escape, Cancel and OK are ignored.
            ::PostMessageA(dialog, WM_KEYDOWN, VK_ESCAPE, 0);
            ::SendMessageTimeoutA(dialog, WM_COMMAND, IDCANCEL, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
            ::SendMessageTimeoutA(dialog, WM_COMMAND, IDOK, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
            seen.dialogSurvivedCommands = ::IsWindow(dialog) && ::IsWindowVisible(dialog);
        }
        if (box != nullptr) ::PostMessageA(box, WM_COMMAND, IDOK, 0);
        if (::WaitForSingleObject(process.hProcess, kTimeoutMs) != WAIT_OBJECT_0) {
            ADD_FAILURE() << "update.exe did not end";
            ::TerminateProcess(process.hProcess, 99);
        }
        ::GetExitCodeProcess(process.hProcess, &seen.exitCode);
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
        return seen;
    }

    std::string Text(const Observed& seen, int id) {
        for (const ControlSnapshot& control : seen.controls) {
            if (control.id == id) return control.text;
        }
        return "<missing>";
    }

    TestFolder work_;
    std::string source_;
    std::string install_;
    std::string keyName_;
};

TEST_F(UpdateExeTest, CopiesEveryListedFileAndReportsThem) {
    work_.MakeFolder("new ソ表/data");
    work_.MakeFolder("ゲーム/data");
    work_.Write("new ソ表/a.dat", "new a");
    work_.SetReadOnly("new ソ表/a.dat", true);
    work_.Write("new ソ表/data/cg.dat", "new cg");
    work_.Write("ゲーム/data/cg.dat", "old cg");
    work_.Write("new ソ表/update.inf", "; comment\r\nreg=" + keyName_ + "\r\nfile=a.dat\r\nfile=data\\cg.dat\r\n");
    WriteInstallFolderKey(install_);

    Observed seen = Run();
    EXPECT_EQ(seen.boxCaption, "update.exe");
    EXPECT_EQ(seen.boxText, "アップデート完了\n以下のファイルが更新されました\na.dat\ndata\\cg.dat\n");
    EXPECT_EQ(seen.exitCode, 0u);
    EXPECT_EQ(work_.Read("ゲーム/a.dat"), "new a");
    EXPECT_EQ(work_.Read("ゲーム/data/cg.dat"), "new cg");
    EXPECT_FALSE(work_.IsReadOnly("ゲーム/a.dat"));

    // The dialog as it stood behind the completion box.
    EXPECT_EQ(seen.dialogCaption, "update");
    EXPECT_EQ(seen.dialogStyle & WS_SYSMENU, 0u);
    EXPECT_TRUE(seen.dialogSurvivedCommands);
    EXPECT_EQ(seen.progressPosition, 2);
    EXPECT_EQ(seen.progressHigh, 2);
    EXPECT_EQ(Text(seen, 1000), source_ + "data\\cg.dat");
    EXPECT_EQ(Text(seen, 1001), install_ + "data\\cg.dat");
    // The statics have id -1, which a 16-bit template id reads back as 65535.
    std::vector<std::string> classes;
    std::vector<std::string> statics;
    for (const ControlSnapshot& control : seen.controls) {
        classes.push_back(control.className + " " + std::to_string(control.id));
        if (control.className == "Static") statics.push_back(control.text);
    }
    EXPECT_EQ(classes, (std::vector<std::string>{"msctls_progress32 1002", "Static 65535", "Static 65535", "Edit 1000",
                                                 "Edit 1001"}));
    EXPECT_EQ(statics, (std::vector<std::string>{"コピー元", "コピー先"}));
}

TEST_F(UpdateExeTest, StopsAtTheFirstFileThatCannotBeCopied) {
    work_.Write("new ソ表/one.dat", "new one");
    work_.Write("new ソ表/three.dat", "new three");
    work_.Write("ゲーム/three.dat", "old three");
    work_.Write("new ソ表/update.inf", "reg=" + keyName_ + "\r\nfile=one.dat\r\nfile=two.dat\r\nfile=three.dat\r\n");
    WriteInstallFolderKey(install_);

    Observed seen = Run();
    EXPECT_EQ(seen.boxCaption, "ファイルエラー");
    EXPECT_EQ(seen.boxText, source_ + "two.datから\n" + install_ + "two.datへのコピーに失敗しました");
    EXPECT_EQ(seen.progressPosition, 2);
    EXPECT_EQ(seen.progressHigh, 3);
    EXPECT_EQ(seen.exitCode, 0u);
    EXPECT_EQ(work_.Read("ゲーム/one.dat"), "new one");
    EXPECT_EQ(work_.Read("ゲーム/three.dat"), "old three");
}

}  // namespace
}  // namespace update
