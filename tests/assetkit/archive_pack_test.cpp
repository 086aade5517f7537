#include "tools/assets/archive_pack.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <map>

#include "platform/byte_writer.h"
#include "tools/assets/entry_picture.h"
#include "tools/assets/entry_png.h"

namespace {

using assetkit::ArchiveFile;
using assetkit::EntryFormat;

std::vector<uint8_t> EntryBytes(const ArchiveFile& archive, size_t i) {
    const auto& e = archive.entries[i];
    return {archive.bytes.begin() + e.offset, archive.bytes.begin() + e.offset + e.size};
}

// An archive as no packer of ours writes it: entries out of order, a gap, two entries sharing
// bytes, an empty entry, and bytes after the last entry.
ArchiveFile OddArchive() {
    std::vector<uint8_t> bytes(8 + 8 * 4, 0);
    std::memcpy(bytes.data(), "ZPX0", 4);
    platform::StoreLe32(bytes.data() + 4, 4);
    const std::vector<std::vector<uint8_t>> data = {
        {'B', 'M', 1, 1}, {'g', 'a', 'p'}, {'P', 'M', 2, 2, 2}, {'e', 'n', 'd'}};
    std::vector<uint32_t> at;
    for (const auto& d : data) {
        at.push_back(static_cast<uint32_t>(bytes.size()));
        bytes.insert(bytes.end(), d.begin(), d.end());
    }
    const uint32_t records[4][2] = {{at[2], 5}, {at[0], 4}, {at[0], 4}, {at[3], 0}};  // 1 and 2 share bytes
    for (int i = 0; i < 4; ++i) {
        platform::StoreLe32(bytes.data() + 8 + 8 * i, records[i][0]);
        platform::StoreLe32(bytes.data() + 12 + 8 * i, records[i][1]);
    }
    ArchiveFile archive;
    std::string error;
    EXPECT_TRUE(assetkit::ReadArchive(bytes, &archive, &error)) << error;
    return archive;
}

TEST(RewriteArchive, KeepsEveryByteTheChangeDoesNotNeed) {
    const ArchiveFile odd = OddArchive();
    const std::vector<uint8_t> longer(9, 'X');
    const struct {
        const char* what;
        size_t changed;
        bool appended;  // a shared entry cannot take its place without changing its partner
    } cases[] = {{"an entry with bytes of its own", 0, false}, {"an entry sharing its bytes", 1, true}};
    for (const auto& c : cases) {
        std::vector<std::optional<std::vector<uint8_t>>> changes(odd.entries.size());
        changes[c.changed] = longer;
        std::vector<uint8_t> file;
        std::string error;
        ASSERT_TRUE(assetkit::RewriteArchive(odd, changes, &file, &error)) << c.what << ": " << error;
        ArchiveFile rewritten;
        ASSERT_TRUE(assetkit::ReadArchive(file, &rewritten, &error)) << c.what << ": " << error;
        for (size_t i = 0; i < odd.entries.size(); ++i) {
            EXPECT_EQ(EntryBytes(rewritten, i), i == c.changed ? longer : EntryBytes(odd, i))
                << c.what << ", entry " << i;
        }
        const std::string text(file.begin(), file.end());
        EXPECT_NE(text.find("gap"), std::string::npos) << c.what << ": the bytes between entries";
        EXPECT_EQ(file.size(), odd.bytes.size() + (c.appended ? longer.size() : longer.size() - 5)) << c.what;
        EXPECT_EQ(rewritten.entries[c.changed].offset == file.size() - longer.size(), c.appended) << c.what;
    }
}

ArchiveFile SampleArchive() {
    std::ifstream in(std::string(PRELO_SAMPLE_ASSETS_DIR) + "/Prelo.zpx", std::ios::binary);
    ArchiveFile archive;
    std::string error;
    EXPECT_TRUE(assetkit::ReadArchive({std::istreambuf_iterator<char>(in), {}}, &archive, &error)) << error;
    return archive;
}

assetkit::PictureFile AsPictureFile(uint32_t index, const assetkit::EntryPicture& picture) {
    return {index, "cg_" + std::to_string(index) + ".png", assetkit::EntryToPng(picture)};
}

// For every format the sample set holds: the extracted picture packs back to the same bytes, and
// a changed pixel reaches its entry alone, at what the format can store, header kept.
TEST(PackArchive, EveryFormatRoundTripsAndTakesAChange) {
    const ArchiveFile archive = SampleArchive();
    std::map<EntryFormat, uint32_t> firstOf;
    for (uint32_t i = 0; i < archive.entries.size(); ++i) {
        const auto& e = archive.entries[i];
        firstOf.emplace(assetkit::InspectEntry(archive.bytes.data() + e.offset, e.size).format, i);
    }
    ASSERT_EQ(firstOf.size(), 4u) << "the sample set holds every format";
    for (const auto& [format, index] : firstOf) {
        const std::vector<uint8_t> original = EntryBytes(archive, index);
        assetkit::EntryPicture picture;
        std::string error;
        ASSERT_TRUE(assetkit::DecodeEntry(original.data(), original.size(), &picture, &error)) << error;
        const assetkit::PackOutcome same = assetkit::PackArchive(archive, {AsPictureFile(index, picture)}, false);
        ASSERT_TRUE(same.refusals.empty()) << same.refusals[0];
        EXPECT_EQ(same.archive, archive.bytes) << assetkit::FormatName(format);

        assetkit::EntryPicture edited = picture;
        if (format == EntryFormat::kPms8) {
            edited.values[5] ^= 0xF8;
        } else {  // black or white, which 5-6-5 stores exactly
            const uint8_t other = edited.rgb[3] == 255 ? 0 : 255;
            edited.rgb[3] = edited.rgb[4] = edited.rgb[5] = other;
        }
        if (format == EntryFormat::kPms16Alpha) edited.alpha[7] ^= 0x55;
        const assetkit::PackOutcome changed = assetkit::PackArchive(archive, {AsPictureFile(index, edited)}, false);
        ASSERT_TRUE(changed.refusals.empty()) << changed.refusals[0];
        ASSERT_EQ(changed.changed, std::vector<uint32_t>{index});
        ArchiveFile rewritten;
        ASSERT_TRUE(assetkit::ReadArchive(changed.archive, &rewritten, &error)) << error;
        for (uint32_t i = 0; i < archive.entries.size(); ++i) {
            if (i == index) continue;
            ASSERT_EQ(EntryBytes(rewritten, i), EntryBytes(archive, i)) << "entry " << i;
        }
        const std::vector<uint8_t> written = EntryBytes(rewritten, index);
        assetkit::EntryPicture reread;
        ASSERT_TRUE(assetkit::DecodeEntry(written.data(), written.size(), &reread, &error)) << error;
        EXPECT_TRUE(assetkit::SamePixels(reread, edited)) << assetkit::FormatName(format);
        EXPECT_EQ(std::vector<uint8_t>(written.begin(), written.begin() + 24),
                  std::vector<uint8_t>(original.begin(), original.begin() + 24))
            << assetkit::FormatName(format) << ": the header before the sizes";
    }
}

}  // namespace
