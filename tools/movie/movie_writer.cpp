#include "movie_writer.h"

#include <zlib.h>

#include <cstring>
#include <utility>

#include "platform/byte_writer.h"

namespace tools {
namespace {

constexpr size_t kHeaderSize = 20;

}  // namespace

MovieWriter::MovieWriter(int32_t width, int32_t height, int compressionLevel)
    : width_(width), height_(height), level_(compressionLevel) {}

std::vector<uint8_t> MovieWriter::CompressFrame(int32_t width, int32_t height, const std::vector<uint8_t>& indices,
                                                const Palette& palette, int compressionLevel) {
    if (width <= 0 || height <= 0 || width % 4 != 0) return {};
    const size_t pictureBytes = static_cast<size_t>(width) * height;
    if (indices.size() != pictureBytes) return {};
    std::vector<uint8_t> payload(pictureBytes + sizeof(Palette));
    std::memcpy(payload.data(), indices.data(), pictureBytes);
    std::memcpy(payload.data() + pictureBytes, palette.data(), sizeof(Palette));
    uLongf packedSize = compressBound(static_cast<uLong>(payload.size()));
    std::vector<uint8_t> packed(packedSize);
    if (compress2(packed.data(), &packedSize, payload.data(), static_cast<uLong>(payload.size()), compressionLevel) !=
        Z_OK) {
        return {};
    }
    packed.resize(packedSize);
    return packed;
}

bool MovieWriter::AddFrame(const std::vector<uint8_t>& indices, const Palette& palette) {
    return AddCompressedFrame(CompressFrame(width_, height_, indices, palette, level_));
}

bool MovieWriter::AddCompressedFrame(std::vector<uint8_t> payload) {
    if (payload.empty()) return false;
    frames_.push_back(std::move(payload));
    return true;
}

std::vector<uint8_t> MovieWriter::Finish() const {
    if (frames_.empty()) return {};
    const size_t indexEnd = kHeaderSize + 8 * frames_.size();
    std::vector<uint8_t> out(indexEnd, 0);
    std::memcpy(out.data(), "MOZ1", 4);
    platform::StoreLe32(out.data() + 4, static_cast<uint32_t>(frames_.size()));
    for (size_t i = 0; i < frames_.size(); ++i) {
        platform::StoreLe32(out.data() + kHeaderSize + 8 * i, static_cast<uint32_t>(out.size()));
        platform::StoreLe32(out.data() + kHeaderSize + 8 * i + 4, static_cast<uint32_t>(frames_[i].size()));
        out.insert(out.end(), frames_[i].begin(), frames_[i].end());
    }
    return out;
}

}  // namespace tools
