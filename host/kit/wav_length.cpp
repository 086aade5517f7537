#include "host/kit/wav_length.h"

#include <vector>

#include "platform/file.h"
#include "platform/wave_header.h"

namespace host {
namespace {

// Headers larger than this are not plausible; the data chunk itself is never needed.
constexpr uint32_t kHeaderLimit = 64u * 1024u;

}  // namespace

bool WavLengthMs(const uint8_t* bytes, size_t size, uint32_t* lengthMs) {
    platform::WaveLayout layout{};
    if (lengthMs == nullptr || !platform::ParseWaveHeader(bytes, size, size, &layout)) return false;
    *lengthMs = layout.lengthMs;
    return true;
}

bool WavFileLengthMs(const char* path, uint32_t* lengthMs) {
    platform::ReadFile file;
    uint32_t size = 0;
    if (!file.Open(path) || !file.Size(&size)) return false;
    std::vector<uint8_t> header(size < kHeaderLimit ? size : kHeaderLimit);
    uint32_t got = 0;
    if (header.empty() || !file.Read(header.data(), static_cast<uint32_t>(header.size()), &got)) return false;
    platform::WaveLayout layout{};
    if (lengthMs == nullptr || !platform::ParseWaveHeader(header.data(), got, size, &layout)) return false;
    *lengthMs = layout.lengthMs;
    return true;
}

}  // namespace host
