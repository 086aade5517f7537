#include "platform/file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

std::string WriteTemp(const char* name, const std::string& bytes) {
    std::FILE* f = std::fopen(name, "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    return name;
}

}  // namespace

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
