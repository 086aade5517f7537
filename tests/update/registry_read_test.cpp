// The install folder read from the real registry, with values of every length.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "control_file.h"
#include "recording_view.h"
#include "test_folder.h"

namespace update {
namespace {

class RegistryReadTest : public ::testing::Test {
protected:
    void TearDown() override { ::RegDeleteKeyA(HKEY_CURRENT_USER, KeyPath().c_str()); }

    std::string KeyName() const { return "update-registry-" + std::to_string(::GetCurrentProcessId()); }
    std::string KeyPath() const { return "Software\\Corvane\\" + KeyName(); }

    void SetDefaultValue(const std::string& value) {
        HKEY key = nullptr;
        ASSERT_EQ(
            ::RegCreateKeyExA(HKEY_CURRENT_USER, KeyPath().c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
            ERROR_SUCCESS);
        ::RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                         static_cast<DWORD>(value.size() + 1));
        ::RegCloseKey(key);
    }

    std::string ReadInstallFolder() {
        folder_.Write("update.inf", "reg=" + KeyName() + "\r\n");
        UpdatePlan plan;
        plan.sourceFolder = folder_.Path();
        testing::RecordingView view;
        EXPECT_TRUE(ReadControlFile(plan, view));
        EXPECT_TRUE(view.messages.empty());
        return plan.installFolder;
    }

    testing::TestFolder folder_;
};

TEST_F(RegistryReadTest, TheDefaultValueIsTheInstallFolder) {
    SetDefaultValue("C:\\ゲーム");
    EXPECT_EQ(ReadInstallFolder(), "C:\\ゲーム");
}

TEST_F(RegistryReadTest, AValueTooLongForTheBufferLeavesTheFolderEmpty) {
    const std::string longest(kInstallFolderBufferSize - 1, 'y');
    SetDefaultValue(longest);
    EXPECT_EQ(ReadInstallFolder(), longest);
    SetDefaultValue(std::string(kInstallFolderBufferSize, 'x'));
    EXPECT_EQ(ReadInstallFolder(), "");
}

TEST_F(RegistryReadTest, AKeyWithoutDefaultValueGivesAnEmptyFolder) {
    HKEY key = nullptr;
    ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, KeyPath().c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    ::RegCloseKey(key);
    EXPECT_EQ(ReadInstallFolder(), "");
}

}  // namespace
}  // namespace update
