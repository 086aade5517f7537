#include "demo/assets/file_reader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "asset_test_support.h"

#if !defined(_WIN32)
#include <unistd.h>
#endif

namespace {

class FileReaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::SetMessageEcho(false);
        TakeMessages();
        WriteBytes(name, Bytes{'0', '1', '2', '3', '4', '5', '6', '7', '8', '9'});
        ASSERT_TRUE(reader.Open(name.c_str()));
    }
    void TearDown() override {
        reader.Close();
        std::remove(name.c_str());
    }

    FileReader reader;
    std::string name = "file_reader_test.bin";
};

TEST_F(FileReaderTest, ReadsAndSeeksInsideTheFile) {
    char bytes[10] = {};
    ASSERT_TRUE(reader.Read(bytes, 4));
    EXPECT_EQ("0123", std::string(bytes, 4));
    EXPECT_EQ(4, reader.Position());
    ASSERT_TRUE(reader.Seek(9));
    ASSERT_TRUE(reader.Read(bytes, 1));
    EXPECT_EQ('9', bytes[0]);
    ASSERT_TRUE(reader.Read(bytes, 0));  // nothing left, nothing asked
    EXPECT_TRUE(TakeMessages().empty());
}

TEST_F(FileReaderTest, RefusalsShowTheirMessageAndKeepThePosition) {
    char bytes[16] = {};
    ASSERT_TRUE(reader.Seek(6));
    EXPECT_FALSE(reader.Read(bytes, 5));
    EXPECT_FALSE(reader.Read(bytes, -1));
    EXPECT_FALSE(reader.Seek(10));  // the end itself is not a position to read from
    EXPECT_FALSE(reader.Seek(-1));
    EXPECT_EQ((std::vector<std::string>{"ファイル読み込みエラー\nPos = 6, ReadSize = 5, TotalSize = 10",
                                        "ファイル読み込みエラー\nPos = 6, ReadSize = -1, TotalSize = 10",
                                        "ファイルポインタ変更エラー　10", "ファイルポインタ変更エラー　-1"}),
              TakeMessages());
    EXPECT_EQ(6, reader.Position());
    ASSERT_TRUE(reader.Read(bytes, 4));
    EXPECT_EQ("6789", std::string(bytes, 4));
}

TEST_F(FileReaderTest, ClosedReaderRefusesSilently) {
    reader.Close();
    reader.Close();
    char byte = 0;
    EXPECT_FALSE(reader.Read(&byte, 1));
    EXPECT_FALSE(reader.Seek(0));
    EXPECT_TRUE(TakeMessages().empty());
    EXPECT_FALSE(reader.Open("no_such_file_for_the_reader.bin"));
}

#if !defined(_WIN32)
// Windows does not let a file opened for shared reading shrink under the reader.
TEST_F(FileReaderTest, FileShrunkUnderTheReaderFailsQuietlyAndStaysInStep) {
    ASSERT_EQ(0, ::truncate(name.c_str(), 4));
    char bytes[8] = {};
    ASSERT_TRUE(reader.Seek(2));
    EXPECT_FALSE(reader.Read(bytes, 6));  // the size taken at opening allows it; the file no longer has it
    EXPECT_TRUE(TakeMessages().empty());
    EXPECT_EQ(2, reader.Position());
    ASSERT_TRUE(reader.Read(bytes, 2));  // read from the kept position, not from where the short read ended
    EXPECT_EQ("23", std::string(bytes, 2));
}
#endif

}  // namespace
