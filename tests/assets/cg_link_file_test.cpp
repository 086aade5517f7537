#include <gtest/gtest.h>

#include <cstring>

#include "cg_test_fixture.h"

namespace {

using CgLinkArchive = CgLoadTest;

Bytes Header(const char* magic, uint32_t count) {
    Bytes out(magic, magic + 4);
    platform::AppendLe32(out, count);
    return out;
}

TEST_F(CgLinkArchive, EntriesKeepTheIndexOrderNotTheOffsetOrder) {
    // Pictures stored in reverse order of their index records.
    Bytes file = Header("ZPX0", 3);
    const uint32_t dataStart = 8 + 3 * 8;
    platform::AppendLe32(file, dataStart + 5);  // image 0: "ccc"
    platform::AppendLe32(file, 3);
    platform::AppendLe32(file, dataStart + 2);  // image 1: "bbb"
    platform::AppendLe32(file, 3);
    platform::AppendLe32(file, dataStart);  // image 2: "aa"
    platform::AppendLe32(file, 2);
    for (char c : std::string("aabbbccc")) file.push_back(static_cast<uint8_t>(c));
    ASSERT_TRUE(OpenArchive(file));
    ASSERT_EQ(3u, archive.EntryCount());
    const char* expected[] = {"ccc", "bbb", "aa"};
    for (int i = 0; i < 3; ++i) {
        CgPictureBytes picture = archive.Entry(i);
        EXPECT_EQ(std::string(expected[i]), std::string(reinterpret_cast<const char*>(picture.data), picture.size));
    }
    EXPECT_EQ(nullptr, archive.Entry(3).data);
    EXPECT_EQ(nullptr, archive.Entry(-1).data);
}

TEST_F(CgLinkArchive, ReopeningReplacesAndCloseIsRepeatable) {
    ASSERT_TRUE(OpenArchive(Archive({Bytes{'x'}, Bytes{'y'}})));
    ASSERT_TRUE(OpenArchive(Archive({Bytes{'z', 'z'}})));
    EXPECT_EQ(1u, archive.EntryCount());
    EXPECT_EQ(2u, archive.Entry(0).size);
    archive.Close();
    archive.Close();
    EXPECT_EQ(0u, archive.EntryCount());
    EXPECT_EQ(nullptr, archive.Entry(0).data);
}

TEST_F(CgLinkArchive, RejectedFilesShowWhyAndLeaveNothingOpen) {
    const std::string read = "ＣＧリンクファイル【 " + fileName + " 】の読み込みに失敗しました";
    const std::string id = "ＣＧリンクファイル【 " + fileName + " 】のＩＤが未定義です";
    const std::string damaged = "ＣＧリンクファイル【 " + fileName + " 】の内容が壊れています";

    Bytes pastEnd = Header("ZPX0", 1);
    platform::AppendLe32(pastEnd, 16);
    platform::AppendLe32(pastEnd, 1);  // one byte at offset 16 of a 16-byte file
    Bytes wrapping = Header("ZPX0", 1);
    platform::AppendLe32(wrapping, 0xFFFFFFF0u);
    platform::AppendLe32(wrapping, 0x20);  // offset + size wraps around 32 bits
    struct Case {
        Bytes file;
        std::string message;
    } cases[] = {
        {Archive({Bytes{'P', 'M'}}), ""},  // sanity: a good archive opens
        {Header("zpx0", 1), id},           // case matters
        {Bytes{}, id},                     // empty file
        {Bytes{'Z', 'P'}, id},
        {Bytes{'Z', 'P', 'X', '0', 1}, damaged},  // no room for the count
        {Header("ZPX0", 2), damaged},             // index longer than the file
        {Header("ZPX0", 0x20000000), damaged},    // index size overflowing 32 bits
        {pastEnd, damaged},
        {wrapping, damaged},
    };
    // The first case opens an archive that each failing open must drop.
    for (const Case& c : cases) {
        TakeMessages();
        const bool opened = OpenArchive(c.file);
        EXPECT_EQ(c.message.empty(), opened) << c.message;
        if (!c.message.empty()) {
            EXPECT_EQ(std::vector<std::string>{c.message}, TakeMessages());
            EXPECT_EQ(0u, archive.EntryCount());
            EXPECT_EQ(nullptr, archive.Entry(0).data);
        }
    }
    std::remove(fileName.c_str());
    EXPECT_FALSE(archive.Open(fileName.c_str()));
    EXPECT_EQ(std::vector<std::string>{read}, TakeMessages());
}

TEST_F(CgLinkArchive, EmptyIndexIsRejectedSilently) {
    EXPECT_FALSE(OpenArchive(Header("ZPX0", 0)));
    EXPECT_TRUE(TakeMessages().empty());
    EXPECT_EQ(0u, archive.EntryCount());
}

TEST_F(CgLinkArchive, EntryMayEndExactlyAtTheFileEnd) {
    Bytes file = Archive({Bytes{'a', 'b'}});
    ASSERT_TRUE(OpenArchive(file));
    EXPECT_EQ(2u, archive.Entry(0).size);
    EXPECT_EQ(0, std::memcmp("ab", archive.Entry(0).data, 2));
}

}  // namespace
