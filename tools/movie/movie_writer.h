#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tools {

// One palette entry as the frame payload stores it (the Windows colour-table layout).
struct PaletteEntry {
    uint8_t b = 0, g = 0, r = 0, reserved = 0;
};
using Palette = std::array<PaletteEntry, 256>;

// Builds a movie file: magic "MOZ1", the frame count, three unused words (zero), the frame
// index and the frames. Every frame is one complete zlib stream of its picture (one palette
// index a pixel, top row first) followed by its own 1024-byte palette.
class MovieWriter {
public:
    // width must be a multiple of 4, so that a row is exactly the DIB's pitch.
    MovieWriter(int32_t width, int32_t height, int compressionLevel);

    // One frame's payload as the movie stores it: the picture then its palette, one zlib stream.
    // Empty when the picture has the wrong size or compression fails.
    static std::vector<uint8_t> CompressFrame(int32_t width, int32_t height, const std::vector<uint8_t>& indices,
                                              const Palette& palette, int compressionLevel);

    // False when the picture has the wrong size or compression fails; the movie is unchanged.
    bool AddFrame(const std::vector<uint8_t>& indices, const Palette& palette);

    // A frame already compressed, such as one copied from another movie; false when empty.
    bool AddCompressedFrame(std::vector<uint8_t> payload);

    int32_t FrameCount() const { return static_cast<int32_t>(frames_.size()); }

    // The whole file; empty when no frame was added.
    std::vector<uint8_t> Finish() const;

private:
    int32_t width_;
    int32_t height_;
    int level_;
    std::vector<std::vector<uint8_t>> frames_;
};

}  // namespace tools
