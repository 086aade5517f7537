#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "tools/assets/container_layout.h"

// The movie as the demo reads it: "MOZ1", the frame count, three unused words, one { offset,
// size } record per frame, and every frame one zlib stream of its picture and palette.
namespace assetkit {

inline constexpr size_t kMovieIndexStart = 20;
inline constexpr size_t kFramePaletteBytes = 1024;  // blue, green, red, unused; 256 entries

struct MovieFile {
    std::vector<uint8_t> bytes;
    std::vector<Slot> frames;
    size_t indexEnd = 0;
};

// False with a reason when the file is no movie, or its index or a frame reaches outside it.
bool ReadMovie(std::vector<uint8_t> bytes, MovieFile* movie, std::string* error);

struct FrameSize {
    int32_t width = 0;
    int32_t height = 0;
};

// The demo takes the frame size from the file's name; other names are told by the first frame.
bool FrameSizeOf(const std::string& fileName, const MovieFile& movie, FrameSize* size, std::string* error);
// The size the demo requires of a movie of this name; false for names it does not open.
bool FrameSizeForName(const std::string& fileName, FrameSize* size);

// Decodes frames as the demo does, into one picture that every frame overwrites: a frame that
// decompresses short leaves the rest of the previous picture, and a damaged frame keeps the
// previous palette.
class FrameDecoder {
public:
    explicit FrameDecoder(FrameSize size);
    // False when the frame's data is damaged (what did decompress is kept, as the demo shows it).
    bool Decode(const uint8_t* payload, size_t size);
    const uint8_t* Indices() const { return buffer_.data(); }
    const std::array<uint8_t, kFramePaletteBytes>& Palette() const { return palette_; }

private:
    FrameSize size_;
    std::vector<uint8_t> buffer_;  // the picture and the five rows below it that carry the palette
    std::array<uint8_t, kFramePaletteBytes> palette_{};
};

}  // namespace assetkit
