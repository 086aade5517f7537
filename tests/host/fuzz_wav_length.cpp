#include <cstddef>
#include <cstdint>

#include "host/kit/wav_length.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    uint32_t lengthMs = 0;
    host::WavLengthMs(data, size, &lengthMs);
    return 0;
}
