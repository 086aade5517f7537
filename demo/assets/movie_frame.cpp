#include <zlib.h>

#include "demo/assets/movie_file.h"
#include "demo/base/show_message.h"

namespace {

constexpr int32_t kWindowWidth = 640;
constexpr int32_t kWindowHeight = 480;

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
    // Straight into the DIB: zlib stops at avail_out, so no payload can write past the bitmap.
    stream.next_in = compressed.data;
    stream.avail_in = compressed.size;
    stream.next_out = surface_.PixelAt(0, 0);
    stream.avail_out = static_cast<uInt>(surface_.Height()) * static_cast<uInt>(surface_.Pitch());
    const int result = inflate(&stream, Z_FINISH);
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
