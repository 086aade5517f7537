#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/assets/container_layout.h"

// The picture archive as the demo reads it: "ZPX0", the entry count, one { offset, size } record
// per picture, then the pictures anywhere after.
namespace assetkit {

struct ArchiveFile {
    std::vector<uint8_t> bytes;
    std::vector<Slot> entries;
    size_t indexEnd = 0;
};

// Reads the index of an archive held in bytes. False with a reason when the file is no archive
// or its index, or any entry, reaches outside the file: this tool reads every entry, so an
// entry the demo would never open is damage here too.
bool ReadArchive(std::vector<uint8_t> bytes, ArchiveFile* archive, std::string* error);

// The archive with some entries replaced (changes[i] set), everything else as it was.
bool RewriteArchive(const ArchiveFile& archive, const std::vector<std::optional<std::vector<uint8_t>>>& changes,
                    std::vector<uint8_t>* file, std::string* error);

}  // namespace assetkit
