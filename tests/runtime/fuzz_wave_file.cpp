#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/wave_header.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // An exact-size copy, so that any read past the end is caught.
    std::vector<uint8_t> bytes(data, data + size);
    platform::WaveLayout layout{};
    if (platform::ParseWaveHeader(bytes.data(), bytes.size(), bytes.size(), &layout)) {
        if (static_cast<size_t>(layout.dataOffset) + layout.dataSize > size) __builtin_trap();
    }
    // Given only a header, the answer for the whole file must be the same.
    const size_t header = size / 2;
    platform::WaveLayout fromHeader{};
    if (platform::ParseWaveHeader(bytes.data(), header, bytes.size(), &fromHeader) &&
        (!platform::ParseWaveHeader(bytes.data(), bytes.size(), bytes.size(), &layout) ||
         fromHeader.lengthMs != layout.lengthMs)) {
        __builtin_trap();
    }
    return 0;
}
