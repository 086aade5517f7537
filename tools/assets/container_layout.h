#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/byte_reader.h"

// The archive and the movie are both a header, an index of { offset, size } records and data
// placed anywhere after it. Rewriting one keeps everything the original had: data in its order,
// the bytes between and after entries, entries that share bytes, and the header's unused words.
namespace assetkit {

struct Slot {
    uint32_t offset = 0;
    uint32_t size = 0;
};

// Reads an index of count records from the reader's position: each must lie inside a file of
// fileSize bytes and within limit, and have a size unless empties are allowed. False with a reason
// naming the record ("entry 7", "frame 7") or the index running past the end.
struct IndexRules {
    const char* record;  // "entry", "frame"
    uint32_t limit;      // the largest offset or size
    bool emptyAllowed;
};
bool ReadIndex(platform::ByteReader& index, uint32_t count, size_t fileSize, const IndexRules& rules,
               std::vector<Slot>* slots, std::string* error);

struct ContainerEdit {
    std::span<const uint8_t> original;                             // the whole original file
    size_t headerEnd = 0;                                          // where the index ends
    std::span<const Slot> slots;                                   // the original index, in order
    std::span<const std::optional<std::vector<uint8_t>>> changes;  // per slot: new bytes, or keep
    uint32_t limit = UINT32_MAX;                                   // the largest offset + size allowed
};

// The rewritten file and its index: a changed entry takes its original place when no other entry
// shares those bytes, and goes to the end of the file otherwise; everything after a changed
// entry moves by the difference in size. The caller writes the returned slots into the header.
// False with a reason when the result would not fit the format's offsets.
bool RewriteContainer(const ContainerEdit& edit, std::vector<uint8_t>* file, std::vector<Slot>* slots,
                      std::string* error);

// Writes the records of an index back into a file at indexStart.
void WriteIndex(std::vector<uint8_t>& file, size_t indexStart, const std::vector<Slot>& slots);

}  // namespace assetkit
