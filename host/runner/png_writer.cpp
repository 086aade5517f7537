#include "host/runner/png_writer.h"

#include <zlib.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace host {
namespace {

void PutBe32(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v >> 24));
    out.push_back(static_cast<uint8_t>(v >> 16));
    out.push_back(static_cast<uint8_t>(v >> 8));
    out.push_back(static_cast<uint8_t>(v));
}

void PutChunk(std::vector<uint8_t>& out, const char type[4], const uint8_t* data, size_t size) {
    PutBe32(out, static_cast<uint32_t>(size));
    const size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data, data + size);
    const uLong crc = crc32(0L, out.data() + start, static_cast<uInt>(size + 4));
    PutBe32(out, static_cast<uint32_t>(crc));
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

bool WritePng(const char* path, const uint8_t* pixels, int width, int height, int pitch) {
    if (path == nullptr || pixels == nullptr || width <= 0 || height <= 0 || width > 16384 || height > 16384 ||
        pitch < width * 3) {
        return false;
    }
    // Each row: filter byte 0 (none), then red, green, blue.
    const size_t rowBytes = static_cast<size_t>(width) * 3 + 1;
    std::vector<uint8_t> raw(rowBytes * static_cast<size_t>(height));
    for (int y = 0; y < height; ++y) {
        const uint8_t* in = pixels + static_cast<intptr_t>(y) * pitch;
        uint8_t* out = raw.data() + rowBytes * static_cast<size_t>(y);
        *out++ = 0;
        for (int x = 0; x < width; ++x, in += 3) {
            *out++ = in[2];
            *out++ = in[1];
            *out++ = in[0];
        }
    }
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    std::vector<uint8_t> packed(packedSize);
    if (compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()), 6) != Z_OK) return false;

    std::vector<uint8_t> file = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    std::vector<uint8_t> header;
    PutBe32(header, static_cast<uint32_t>(width));
    PutBe32(header, static_cast<uint32_t>(height));
    header.insert(header.end(), {8, 2, 0, 0, 0});  // 8-bit depth, truecolour, no interlace
    PutChunk(file, "IHDR", header.data(), header.size());
    PutChunk(file, "IDAT", packed.data(), packedSize);
    PutChunk(file, "IEND", nullptr, 0);

    // Written beside the target and renamed once complete, so that a failed write (a full disk)
    // leaves no half picture under the real name.
    const std::string partial = std::string(path) + ".partial";
    std::unique_ptr<std::FILE, FileCloser> out(std::fopen(partial.c_str(), "wb"));
    if (!out) return false;
    const bool written = std::fwrite(file.data(), 1, file.size(), out.get()) == file.size();
    const bool closed = std::fclose(out.release()) == 0;
#if defined(_WIN32)
    if (written && closed) std::remove(path);  // rename does not replace a file there
#endif
    if (written && closed && std::rename(partial.c_str(), path) == 0) return true;
    std::remove(partial.c_str());
    return false;
}

}  // namespace host
