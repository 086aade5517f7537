#include "platform/file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "platform/file_copy.h"
#include "platform/file_write.h"
#include "platform/mci.h"
#include "platform/module.h"
#include "platform/system_failure.h"

#if !defined(_WIN32)
#include <sys/resource.h>

#include <csignal>
#endif

namespace {

std::string WriteTemp(const char* name, const std::string& bytes) {
    std::FILE* f = std::fopen(name, "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    return name;
}

std::string ReadAll(const char* name) {
    std::string bytes;
    std::FILE* f = std::fopen(name, "rb");
    if (f == nullptr) return "(missing)";
    for (int c; (c = std::fgetc(f)) != EOF;) bytes.push_back(static_cast<char>(c));
    std::fclose(f);
    return bytes;
}

#if !defined(_WIN32)
// Files may grow to limit bytes only while it lives: a write past it fails as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t limit) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, SIG_IGN);  // a failed write, not a killed process
        rlimit lowered = saved_;
        lowered.rlim_cur = limit;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, SIG_DFL);
    }

private:
    rlimit saved_{};
};
#endif

}  // namespace

// A whole file or nothing: what a failed write leaves is the old file, and no partial one.
TEST(WriteFileReplacing, ReplacesWholeOrLeavesTheOldFile) {
    namespace fs = std::filesystem;
    const char* name = "platform_write_test.bin";
    WriteTemp(name, "old");
    ASSERT_TRUE(platform::WriteFileReplacing(name, "new bytes", 9));
    EXPECT_EQ(ReadAll(name), "new bytes");
    ASSERT_TRUE(platform::WriteFileReplacing(name, nullptr, 0));
    EXPECT_EQ(ReadAll(name), "");

    fs::create_directory("platform_write_test_folder");
    EXPECT_FALSE(platform::WriteFileReplacing("platform_write_test_folder", "x", 1)) << "a folder stands there";
    EXPECT_TRUE(fs::is_directory("platform_write_test_folder"));
    EXPECT_FALSE(platform::WriteFileReplacing("no-such-folder/x.bin", "x", 1));
    EXPECT_NE(platform::LastSystemFailure().call, nullptr);
#if !defined(_WIN32)
    WriteTemp(name, "old");
    {
        const std::string big(4096, 'b');
        FileSizeLimit limit(1000);
        EXPECT_FALSE(platform::WriteFileReplacing(name, big.data(), big.size()));
        EXPECT_STREQ(platform::LastSystemFailure().call, "write");
    }
    EXPECT_EQ(ReadAll(name), "old");
#endif
    for (const char* left : {"platform_write_test.bin.partial", "platform_write_test_folder.partial"}) {
        EXPECT_FALSE(fs::exists(left)) << left;
    }
    fs::remove(name);
    fs::remove("platform_write_test_folder");
}

TEST(ReadFile, SizeReadSeekAndShortRead) {
    std::string name = WriteTemp("platform_file_test.bin", "0123456789");
    platform::ReadFile file;
    ASSERT_TRUE(file.Open(name.c_str()));
    uint32_t size = 0;
    ASSERT_TRUE(file.Size(&size));
    EXPECT_EQ(10u, size);
    char buffer[16] = {};
    uint32_t got = 0;
    ASSERT_TRUE(file.Read(buffer, 4, &got));
    EXPECT_EQ(4u, got);
    EXPECT_EQ("0123", std::string(buffer, 4));
    ASSERT_TRUE(file.Seek(7));
    ASSERT_TRUE(file.Read(buffer, 16, &got));
    EXPECT_EQ(3u, got);  // a short read reports what arrived
    EXPECT_EQ("789", std::string(buffer, 3));
    platform::ReadFile moved = std::move(file);
    EXPECT_FALSE(file.IsOpen());
    EXPECT_TRUE(moved.IsOpen());
    moved.Close();
    moved.Close();  // closing twice is harmless
    std::remove(name.c_str());
}

TEST(ReadFile, MissingFileAndFolderDoNotOpen) {
    platform::ReadFile file;
    EXPECT_FALSE(file.Open("no_such_file_here.bin"));
    EXPECT_FALSE(file.Open(nullptr));
    EXPECT_FALSE(file.Open("."));
    uint32_t size = 0;
    uint32_t got = 0;
    char byte;
    EXPECT_FALSE(file.Size(&size));
    EXPECT_FALSE(file.Read(&byte, 1, &got));
    EXPECT_FALSE(file.Seek(0));
}

// A game folder copied from a disc or a FAT drive holds its files in capitals: the names the game
// opens find them, as on Windows. Under wine the same table runs against the real calls.
TEST(ReadFile, FindsNamesWhateverTheirLetterCase) {
    std::filesystem::remove_all("case_test");
    std::filesystem::create_directories("case_test/GAME");
    WriteTemp("case_test/GAME/PRELO.ZPX", "upper");
    auto contents = [](const char* name) {
        platform::ReadFile file;
        char buffer[8] = {};
        uint32_t got = 0;
        if (!file.Open(name) || !file.Read(buffer, sizeof buffer, &got)) return std::string("(none)");
        return std::string(buffer, got);
    };
    const struct {
        const char* name;
        const char* found;
    } cases[] = {
        {"case_test/GAME/PRELO.ZPX", "upper"}, {"case_test/game/Prelo.zpx", "upper"},
        {"CASE_TEST/Game/prelo.ZPX", "upper"}, {"case_test/game/Prelo.zp", "(none)"},
        {"case_test/gam/Prelo.zpx", "(none)"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.found, contents(c.name)) << c.name;
#ifndef _WIN32
    // Linux can hold both: the exact name wins, and otherwise the first in byte order.
    WriteTemp("case_test/GAME/Prelo.zpx", "exact");
    EXPECT_EQ("exact", contents("case_test/GAME/Prelo.zpx"));
    EXPECT_EQ("upper", contents("case_test/game/prelo.zpx"));
#endif
    std::filesystem::remove_all("case_test");
}

// A platform call that fails leaves the failing system call and its error for hosts and tools.
TEST(SystemFailure, FailingCallsLeaveTheirCallAndError) {
#ifdef _WIN32
    const char *open = "CreateFileA", *copy = "CreateFileA", *load = "LoadLibraryA";
#else
    const char *open = "open", *copy = "open", *load = "dlopen";
#endif
    constexpr uint32_t kNotFound = 2;  // ENOENT and ERROR_FILE_NOT_FOUND alike
    platform::ReadFile file;
    EXPECT_FALSE(file.Open("no-such-file.dat"));
    EXPECT_STREQ(platform::LastSystemFailure().call, open);
    EXPECT_EQ(platform::LastSystemFailure().code, kNotFound);
    EXPECT_FALSE(platform::LastSystemFailure().words.empty());

    EXPECT_FALSE(platform::CopyFileOverwriting("no-such-file.dat", "copy.dat"));
    EXPECT_STREQ(platform::LastSystemFailure().call, copy);
    EXPECT_EQ(platform::LastSystemFailure().code, kNotFound);

    EXPECT_EQ(platform::LoadModule("no-such-module.so.dll"), nullptr);
    const std::string described = platform::DescribeLastSystemFailure();
    EXPECT_EQ(described.rfind(std::string(load) + " failed", 0), 0u) << described;
    EXPECT_GT(described.size(), std::string(load).size() + 8) << "the system's words follow";
}

// The music device's refusals are recorded too: on Windows with MCI's own error and words (they are
// not system error codes), on Linux under the stand-in's call.
TEST(SystemFailure, RefusedMusicCommandsLeaveTheirCall) {
#ifdef _WIN32
    const char *open = "mciSendCommandA MCI_OPEN", *close = "mciSendCommandA MCI_CLOSE";
#else
    const char *open = "MciOpenWave", *close = "MciClose";
#endif
    platform::MciDeviceId device = 0;
    WriteTemp("platform_not_a_wave.wav", "not a wave file");
    EXPECT_FALSE(platform::MciOpenWave("platform_not_a_wave.wav", nullptr, &device));
    EXPECT_STREQ(platform::LastSystemFailure().call, open);
    EXPECT_FALSE(platform::LastSystemFailure().words.empty());
#ifdef _WIN32
    EXPECT_NE(platform::LastSystemFailure().code, 0u);
#endif

    EXPECT_FALSE(platform::MciClose(0x7ffe));
    EXPECT_STREQ(platform::LastSystemFailure().call, close);
    EXPECT_FALSE(platform::LastSystemFailure().words.empty());
    std::remove("platform_not_a_wave.wav");
}
