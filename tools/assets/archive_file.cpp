#include "tools/assets/archive_file.h"

#include <cstring>

#include "platform/byte_reader.h"
#include "tools/assets/byte_io.h"

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
    if (!index.Has(static_cast<uint64_t>(count) * 8)) {
        *error = "the archive's index of " + std::to_string(count) + " entries runs past the end of the file";
        return false;
    }
    ArchiveFile read;
    read.indexEnd = kIndexStart + 8 * static_cast<size_t>(count);
    for (uint32_t i = 0; i < count; ++i) {
        const Slot slot{index.U32(), index.U32()};
        if (uint64_t{slot.offset} + slot.size > bytes.size()) {
            *error = "entry " + std::to_string(i) + " lies outside the file";
            return false;
        }
        read.entries.push_back(slot);
    }
    read.bytes = std::move(bytes);
    *archive = std::move(read);
    return true;
}

bool RewriteArchive(const ArchiveFile& archive, const std::vector<std::optional<std::vector<uint8_t>>>& changes,
                    std::vector<uint8_t>* file, std::string* error) {
    ContainerEdit edit{archive.bytes, archive.indexEnd, archive.entries, changes, UINT32_MAX};
    std::vector<Slot> slots;
    if (!RewriteContainer(edit, file, &slots, error)) return false;
    for (size_t i = 0; i < slots.size(); ++i) {
        uint8_t* record = file->data() + kIndexStart + 8 * i;
        PutLe32(record, slots[i].offset);
        PutLe32(record + 4, slots[i].size);
    }
    return true;
}

}  // namespace assetkit
