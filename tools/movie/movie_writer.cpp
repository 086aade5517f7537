#include "movie_writer.h"

#include <zlib.h>

#include <cstring>
#include <utility>

namespace tools {
namespace {

constexpr size_t kHeaderSize = 20;

void Put32(std::vector<uint8_t>& out, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

}  // namespace

MovieWriter::MovieWriter(int32_t width, int32_t height, int compressionLevel)
    : width_(width), height_(height), level_(compressionLevel) {}

bool MovieWriter::AddFrame(const std::vector<uint8_t>& indices, const Palette& palette) {
    if (width_ <= 0 || height_ <= 0 || width_ % 4 != 0) return false;
    const size_t pictureBytes = static_cast<size_t>(width_) * height_;
    if (indices.size() != pictureBytes) return false;
    payload_.resize(pictureBytes + sizeof(Palette));
    std::memcpy(payload_.data(), indices.data(), pictureBytes);
    std::memcpy(payload_.data() + pictureBytes, palette.data(), sizeof(Palette));
    uLongf packedSize = compressBound(static_cast<uLong>(payload_.size()));
    std::vector<uint8_t> packed(packedSize);
    if (compress2(packed.data(), &packedSize, payload_.data(), static_cast<uLong>(payload_.size()), level_) != Z_OK)
        return false;
    packed.resize(packedSize);
    frames_.push_back(std::move(packed));
    return true;
}

std::vector<uint8_t> MovieWriter::Finish() const {
    if (frames_.empty()) return {};
    const size_t indexEnd = kHeaderSize + 8 * frames_.size();
    std::vector<uint8_t> out(indexEnd, 0);
    std::memcpy(out.data(), "MOZ1", 4);
    Put32(out, 4, static_cast<uint32_t>(frames_.size()));
    for (size_t i = 0; i < frames_.size(); ++i) {
        Put32(out, kHeaderSize + 8 * i, static_cast<uint32_t>(out.size()));
        Put32(out, kHeaderSize + 8 * i + 4, static_cast<uint32_t>(frames_[i].size()));
        out.insert(out.end(), frames_[i].begin(), frames_[i].end());
    }
    return out;
}

}  // namespace tools
