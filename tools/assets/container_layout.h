#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The archive and the movie are both a header, an index of { offset, size } records and data
// placed anywhere after it. Rewriting one keeps everything the original had: data in its order,
// the bytes between and after entries, entries that share bytes, and the header's unused words.
namespace assetkit {

struct Slot {
    uint32_t offset = 0;
    uint32_t size = 0;
};

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

}  // namespace assetkit
