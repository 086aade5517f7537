#include <zlib.h>

#include "demo/assets/adler32.h"
#include "demo/assets/movie_file.h"
#include "demo/base/show_message.h"

namespace {

constexpr int32_t kWindowWidth = 640;
constexpr int32_t kWindowHeight = 480;
// Header (2 bytes) and Adler-32 trailer (4) of a zlib stream.
constexpr uInt kHeaderBytes = 2;
constexpr uInt kTrailerBytes = 4;

// Whether the trailer of a stream that has just ended (its last four bytes read, big-endian)
// matches the sum of what it inflated to: the check zlib itself would make, in SIMD form where
// the processor has it.
bool TrailerMatches(const z_stream& stream, const uint8_t* inflated) {
    if (stream.total_in < kHeaderBytes + kTrailerBytes) return false;
    const uint8_t* t = stream.next_in - kTrailerBytes;
    const uint32_t stored = uint32_t{t[0]} << 24 | uint32_t{t[1]} << 16 | uint32_t{t[2]} << 8 | uint32_t{t[3]};
    return ChosenAdler32().sum(1, inflated, stream.total_out) == stored;
}

}  // namespace

bool MovieFile::DecodeFrame(int32_t index) {
    ByteBuffer compressed;
    if (!FetchFrame(index, compressed)) return false;
    if (!surface_.HasPixels()) return false;

    z_stream stream{};
    if (inflateInit_(&stream, "1.1.3", static_cast<int>(sizeof stream)) != Z_OK) {
        ShowMessage("inflateInit error");
        return false;
    }
    // zlib still reads and skips the trailer; TrailerMatches checks it.
    inflateValidate(&stream, 0);
    // Straight into the DIB: zlib stops at avail_out, so no payload can write past the bitmap.
    stream.next_in = compressed.data;
    stream.avail_in = compressed.size;
    stream.next_out = surface_.PixelAt(0, 0);
    stream.avail_out = static_cast<uInt>(surface_.Height()) * static_cast<uInt>(surface_.Pitch());
    int result = inflate(&stream, Z_FINISH);
    if (result == Z_STREAM_END && !TrailerMatches(stream, surface_.PixelAt(0, 0))) result = Z_DATA_ERROR;
    if (result != Z_STREAM_END && result != Z_OK) {
        // A damaged frame still counts as shown; it keeps the previous palette.
        inflateEnd(&stream);
        return true;
    }
    if (inflateEnd(&stream) != Z_OK) {
        ShowMessage("inflateEnd error");
        return false;
    }
    surface_.SetPalette(0, DibSurface::kPaletteEntries, surface_.PixelAt(0, height_));
    return true;
}

bool MovieFile::ShowFrame() {
    if (fullSize_) return surface_.BlitToWindow(window_, 0, 0, 0, 0, width_, height_);
    return surface_.BlitToWindow(window_, (kWindowWidth - width_) / 2, (kWindowHeight - height_) / 2, 0, 0, width_,
                                 height_);
}
