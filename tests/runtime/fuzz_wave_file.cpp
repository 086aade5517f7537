#include <cstddef>
#include <cstdint>
#include <vector>

#include "wave_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // An exact-size copy, so that any read past the end is caught.
    std::vector<uint8_t> bytes(data, data + size);
    platform::detail::WaveLayout layout{};
    if (platform::detail::ParseWave(bytes.data(), bytes.size(), &layout)) {
        if (static_cast<size_t>(layout.dataOffset) + layout.dataSize > size) __builtin_trap();
    }
    return 0;
}
