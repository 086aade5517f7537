#include "archive_writer.h"

#include <cstddef>

#include "platform/byte_writer.h"

namespace tools {

std::vector<uint8_t> PackArchive(const std::vector<std::vector<uint8_t>>& pictures) {
    if (pictures.empty()) return {};
    const size_t indexEnd = 8 + 8 * pictures.size();
    uint64_t total = indexEnd;
    for (const auto& picture : pictures) total += picture.size();
    if (total > UINT32_MAX) return {};
    std::vector<uint8_t> out(indexEnd, 0);
    out.reserve(total);
    out[0] = 'Z';
    out[1] = 'P';
    out[2] = 'X';
    out[3] = '0';
    platform::StoreLe32(out.data() + 4, static_cast<uint32_t>(pictures.size()));
    for (size_t i = 0; i < pictures.size(); ++i) {
        platform::StoreLe32(out.data() + 8 + 8 * i, static_cast<uint32_t>(out.size()));
        platform::StoreLe32(out.data() + 12 + 8 * i, static_cast<uint32_t>(pictures[i].size()));
        out.insert(out.end(), pictures[i].begin(), pictures[i].end());
    }
    return out;
}

}  // namespace tools
