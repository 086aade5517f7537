#include "pixmill/reference.h"

#include <cstring>
#include <vector>

#include "pixmill/blend_rule.h"

namespace pixmill::reference {

namespace {

// Where pixel x of a row falls: before the first group, inside group (x − lead) / 4, or after
// the last group. Fixed by the first source address alone.
struct Placement {
    int32_t lead;
    int32_t groupEnd;
    bool InGroup(int32_t x) const { return x >= lead && x < groupEnd; }
};

Placement PlaceRow(const uint8_t* firstSource, int32_t width) {
    int32_t lead = static_cast<int32_t>(reinterpret_cast<uintptr_t>(firstSource) % 4);
    if (lead > width) lead = width;
    return Placement{lead, lead + (width - lead) / 4 * 4};
}

}  // namespace

// The whole source rectangle is read before anything is written, so overlapping planes get
// what the source held before the call.
void Copy(const PixelJob& job) {
    const size_t rowBytes = 3 * static_cast<size_t>(job.width);
    std::vector<uint8_t> source(rowBytes * static_cast<size_t>(job.height));
    for (int32_t y = 0; y < job.height; ++y)
        std::memcpy(source.data() + y * rowBytes, job.src + y * job.srcPitch, rowBytes);
    for (int32_t y = 0; y < job.height; ++y)
        std::memcpy(job.dst + y * job.dstPitch, source.data() + y * rowBytes, rowBytes);
}

void BlendConst(const uint8_t* const* table, const PixelJob& job, int32_t alpha) {
    const uint32_t a = static_cast<uint32_t>(alpha) & 255u;
    const Placement place = PlaceRow(job.src, job.width);
    for (int32_t y = 0; y < job.height; ++y) {
        uint8_t* d = job.dst + y * job.dstPitch;
        const uint8_t* s = job.src + y * job.srcPitch;
        for (int32_t x = 0; x < job.width; ++x) {
            for (int32_t c = 3 * x; c < 3 * x + 3; ++c)
                d[c] = place.InGroup(x) ? SimdBlendByte(a, d[c], s[c]) : TableBlendByte(table, a, d[c], s[c]);
        }
    }
}

void BlendAlpha(const uint8_t* const* table, const PixelJob& job) {
    const Placement place = PlaceRow(job.src, job.width);
    for (int32_t y = 0; y < job.height; ++y) {
        uint8_t* d = job.dst + y * job.dstPitch;
        const uint8_t* s = job.src + y * job.srcPitch;
        const uint8_t* alpha = job.alpha + y * job.alphaPitch;
        for (int32_t x = 0; x < job.width; ++x) {
            const uint32_t a = alpha[x];
            if (!place.InGroup(x)) {
                for (int32_t c = 3 * x; c < 3 * x + 3; ++c) d[c] = TableBlendByte(table, a, d[c], s[c]);
                continue;
            }
            const int32_t groupFirst = x - (x - place.lead) % 4;
            bool allClear = true;
            bool allOpaque = true;
            for (int32_t k = groupFirst; k < groupFirst + 4; ++k) {
                allClear = allClear && alpha[k] == 0;
                allOpaque = allOpaque && alpha[k] == 255;
            }
            for (int32_t c = 3 * x; c < 3 * x + 3; ++c) {
                if (allOpaque)
                    d[c] = s[c];
                else if (!allClear)
                    d[c] = SimdBlendByte(a, d[c], s[c]);
            }
        }
    }
}

}  // namespace pixmill::reference
