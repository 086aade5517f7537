#include "tools/assets/movie_file.h"

#include <zlib.h>

#include <cstring>
#include <filesystem>

#include "platform/byte_reader.h"

namespace assetkit {
namespace {

constexpr FrameSize kFullSize{640, 480};
constexpr FrameSize kSmallSize{240, 180};
// Five rows below the picture hold the palette, as in the demo's frame surface.
constexpr int32_t kPaletteRows = 5;

size_t PayloadBytes(FrameSize size) {
    return static_cast<size_t>(size.width) * static_cast<size_t>(size.height) + kFramePaletteBytes;
}

// The number of bytes a frame decompresses to, or 0 when it is damaged.
size_t InflatedSize(const uint8_t* payload, size_t size) {
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK) return 0;
    stream.next_in = const_cast<Bytef*>(payload);
    stream.avail_in = static_cast<uInt>(size);
    std::vector<uint8_t> sink(64 * 1024);
    int result = Z_OK;
    while (result == Z_OK && stream.total_out < 64u * 1024 * 1024) {
        stream.next_out = sink.data();
        stream.avail_out = static_cast<uInt>(sink.size());
        result = inflate(&stream, Z_NO_FLUSH);
    }
    const size_t total = result == Z_STREAM_END ? stream.total_out : 0;
    inflateEnd(&stream);
    return total;
}

}  // namespace

bool ReadMovie(std::vector<uint8_t> bytes, MovieFile* movie, std::string* error) {
    if (bytes.size() < kMovieIndexStart || std::memcmp(bytes.data(), "MOZ1", 4) != 0) {
        *error = "not a movie (it does not start with MOZ1)";
        return false;
    }
    platform::ByteReader index(bytes.data(), bytes.size());
    index.Skip(4);
    const uint32_t count = index.U32();
    index.Skip(12);  // the unused words
    if (count == 0 || count > INT32_MAX) {
        *error = "the movie's frame count is " + std::to_string(static_cast<int32_t>(count));
        return false;
    }
    // The demo reads offsets and sizes as signed, and a frame of no bytes as one it cannot fetch.
    MovieFile read;
    if (!ReadIndex(index, count, bytes.size(), {"frame", INT32_MAX, false}, &read.frames, error)) return false;
    read.indexEnd = index.Position();
    read.bytes = std::move(bytes);
    *movie = std::move(read);
    return true;
}

bool FrameSizeForName(const std::string& fileName, FrameSize* size) {
    const std::string name = std::filesystem::path(fileName).filename().string();
    if (name == "Prelo.moz")
        *size = kFullSize;
    else if (name == "PreloM.moz")
        *size = kSmallSize;
    else
        return false;
    return true;
}

bool FrameSizeOf(const std::string& fileName, const MovieFile& movie, FrameSize* size, std::string* error) {
    if (FrameSizeForName(fileName, size)) return true;
    const size_t inflated = InflatedSize(movie.bytes.data() + movie.frames[0].offset, movie.frames[0].size);
    for (const FrameSize candidate : {kFullSize, kSmallSize}) {
        if (inflated == PayloadBytes(candidate)) {
            *size = candidate;
            return true;
        }
    }
    *error = "cannot tell the frame size from the name or the first frame; name the file Prelo.moz or PreloM.moz";
    return false;
}

FrameDecoder::FrameDecoder(FrameSize size)
    : size_(size), buffer_(static_cast<size_t>(size.width) * static_cast<size_t>(size.height + kPaletteRows)) {}

bool FrameDecoder::Decode(const uint8_t* payload, size_t size) {
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK) return false;
    stream.next_in = const_cast<Bytef*>(payload);
    stream.avail_in = static_cast<uInt>(size);
    stream.next_out = buffer_.data();
    stream.avail_out = static_cast<uInt>(buffer_.size());
    const int result = inflate(&stream, Z_FINISH);
    inflateEnd(&stream);
    if (result != Z_STREAM_END && result != Z_OK) return false;
    std::memcpy(palette_.data(), buffer_.data() + static_cast<size_t>(size_.width) * size_.height, palette_.size());
    return true;
}

}  // namespace assetkit
