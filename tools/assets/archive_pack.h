#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/assets/archive_file.h"

namespace assetkit {

// A picture offered to replace an archive entry: the PNG file's bytes and its name for messages.
struct PictureFile {
    uint32_t index = 0;
    std::string name;
    std::vector<uint8_t> png;
};

struct PackOutcome {
    std::vector<uint8_t> archive;       // the new archive, when there were no refusals
    std::vector<uint32_t> changed;      // the entries that got new pictures
    std::vector<std::string> refusals;  // one line each: the file, the entry and the reason
};

// Checks every offered picture against the entry it replaces, then writes the archive: an
// unchanged picture (the same pixels at its format's precision) keeps its entry's bytes, a
// changed one is encoded in the entry's format. Nothing is written when any picture is refused.
// resizeHint as PictureFromPng takes it.
PackOutcome PackArchive(const ArchiveFile& archive, const std::vector<PictureFile>& pictures, bool allowResize,
                        const char* resizeHint = "");

}  // namespace assetkit
