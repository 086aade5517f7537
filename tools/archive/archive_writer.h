#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tools {

// Packs pictures into a CG link archive: magic "ZPX0", the entry count, one { offset, size }
// record per picture, then the pictures in index order. Entry i of the result is pictures[i].
// Empty result when there is nothing to pack or the archive would not fit 32-bit offsets.
std::vector<uint8_t> PackArchive(const std::vector<std::vector<uint8_t>>& pictures);

}  // namespace tools
