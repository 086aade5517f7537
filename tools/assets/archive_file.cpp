#include "tools/assets/archive_file.h"

#include <cstring>

#include "platform/byte_reader.h"

namespace assetkit {
namespace {

constexpr size_t kIndexStart = 8;

}  // namespace

bool ReadArchive(std::vector<uint8_t> bytes, ArchiveFile* archive, std::string* error) {
    if (bytes.size() < kIndexStart || std::memcmp(bytes.data(), "ZPX0", 4) != 0) {
        *error = "not a picture archive (it does not start with ZPX0)";
        return false;
    }
    platform::ByteReader index(bytes.data(), bytes.size());
    index.Skip(4);
    const uint32_t count = index.U32();
    if (count == 0) {
        *error = "the archive holds no pictures";
        return false;
    }
    ArchiveFile read;
    if (!ReadIndex(index, count, bytes.size(), {"entry", UINT32_MAX, true}, &read.entries, error)) return false;
    read.indexEnd = index.Position();
    read.bytes = std::move(bytes);
    *archive = std::move(read);
    return true;
}

bool RewriteArchive(const ArchiveFile& archive, const std::vector<std::optional<std::vector<uint8_t>>>& changes,
                    std::vector<uint8_t>* file, std::string* error) {
    ContainerEdit edit{archive.bytes, archive.indexEnd, archive.entries, changes, UINT32_MAX};
    std::vector<Slot> slots;
    if (!RewriteContainer(edit, file, &slots, error)) return false;
    WriteIndex(*file, kIndexStart, slots);
    return true;
}

}  // namespace assetkit
