#include "tools/png/png_chunks.h"

#include <zlib.h>

#include <cstdlib>

namespace tools::png {

void PutBe32(std::vector<uint8_t>& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

uint32_t ChunkCrc(const uint8_t* typeAndData, size_t size) {
    return static_cast<uint32_t>(crc32(0L, typeAndData, static_cast<uInt>(size)));
}

void PutChunk(std::vector<uint8_t>& out, const char type[4], const uint8_t* data, size_t size) {
    PutBe32(out, static_cast<uint32_t>(size));
    const size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    if (size > 0) out.insert(out.end(), data, data + size);
    PutBe32(out, ChunkCrc(out.data() + start, size + 4));
}

uint8_t Predict(RowFilter filter, uint8_t a, uint8_t b, uint8_t c) {
    switch (filter) {
        case RowFilter::kNone:
            return 0;
        case RowFilter::kSub:
            return a;
        case RowFilter::kUp:
            return b;
        case RowFilter::kAverage:
            return static_cast<uint8_t>((a + b) / 2);
        case RowFilter::kPaeth: {
            const int p = a + b - c;
            const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
            if (pa <= pb && pa <= pc) return a;
            return pb <= pc ? b : c;
        }
    }
    return 0;
}

}  // namespace tools::png
