// Linux only: Windows file names reach the files Wine would reach.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "platform/file_name.h"
#include "test_folder.h"

namespace platform {
namespace {

class PosixFileNameTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* old = std::getenv("WINEPREFIX");
        hadPrefix_ = old != nullptr;
        saved_ = hadPrefix_ ? old : "";
        ::setenv("WINEPREFIX", prefix_.Path().c_str(), 1);
    }
    void TearDown() override {
        if (hadPrefix_)
            ::setenv("WINEPREFIX", saved_.c_str(), 1);
        else
            ::unsetenv("WINEPREFIX");
    }

    update::testing::TestFolder prefix_;
    bool hadPrefix_ = false;
    std::string saved_;
};

TEST_F(PosixFileNameTest, BackslashesBecomeSlashes) {
    EXPECT_EQ(NativeFileName("data\\cg.dat"), "data/cg.dat");
    EXPECT_EQ(NativeFileName("\\tmp\\x\\"), "/tmp/x/");
    EXPECT_EQ(NativeFileName("/already/native"), "/already/native");
    EXPECT_EQ(NativeFileName(""), "");
}

TEST_F(PosixFileNameTest, DrivesResolveThroughThePrefix) {
    // A prefix without drive links: C: is its drive_c, Z: the root.
    EXPECT_EQ(NativeFileName("C:\\Game\\a.dat"), prefix_.Path() + "drive_c/Game/a.dat");
    EXPECT_EQ(NativeFileName("z:\\tmp\\a.dat"), "/tmp/a.dat");
    // The game's folder in another letter case, as a disc or a FAT drive leaves it.
    prefix_.MakeFolder("drive_c");
    prefix_.MakeFolder("drive_c/GAME");
    prefix_.Write("drive_c/GAME/A.DAT", "a");
    EXPECT_EQ(NativeFileName("C:\\Game\\a.dat"), prefix_.Path() + "drive_c/GAME/A.DAT");
    prefix_.MakeFolder("dosdevices");
    ASSERT_EQ(::symlink("/tmp", (prefix_.Path() + "dosdevices/d:").c_str()), 0);
    EXPECT_EQ(NativeFileName("D:\\a.dat"), prefix_.Path() + "dosdevices/d:/a.dat");
    ::unlink((prefix_.Path() + "dosdevices/d:").c_str());
}

}  // namespace
}  // namespace platform
