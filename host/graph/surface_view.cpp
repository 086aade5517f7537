#include "host/graph/surface_view.h"

#include <algorithm>
#include <cstring>

namespace host {

SurfaceView SurfaceView::Of(ISurface* surface) {
    SurfaceView view;
    if (surface == nullptr) return view;
    view.width = surface->Width();
    view.height = surface->Height();
    if (view.width <= 0 || view.height <= 0) return SurfaceView{};
    if (surface->HasPixels()) {
        view.pixels = surface->PixelAt(0, 0);
        view.pitch = surface->Pitch();
        if (view.pitch < view.width * 3) view.pixels = nullptr;
    }
    view.alpha = surface->AlphaAt(0, 0);
    view.alphaPitch = surface->AlphaPitch();
    if (view.alphaPitch < view.width) view.alpha = nullptr;
    return view;
}

SurfaceView SurfaceView::PixelsCopiedTo(std::vector<uint8_t>& storage) const {
    const size_t rowBytes = static_cast<size_t>(width) * 3;
    storage.resize(rowBytes * static_cast<size_t>(height));
    for (int32_t y = 0; y < height; ++y) std::memcpy(storage.data() + rowBytes * y, PixelRow(y), rowBytes);
    return SurfaceView{storage.data(), width * 3, nullptr, 0, width, height};
}

namespace {

// Moves the start of one axis inside both extents; returns the clipped length (<= 0 = empty).
int64_t ClipAxis(int64_t extentDst, int64_t extentSrc, int64_t* d, int64_t* s, int64_t length) {
    if (*d < 0) {
        *s -= *d;
        length += *d;
        *d = 0;
    }
    if (*s < 0) {
        *d -= *s;
        length += *s;
        *s = 0;
    }
    return std::min({length, extentDst - *d, extentSrc - *s});
}

}  // namespace

bool ClipCopy(int32_t dstWidth, int32_t dstHeight, int32_t srcWidth, int32_t srcHeight, int32_t dx, int32_t dy,
              int32_t sx, int32_t sy, int32_t w, int32_t h, CopyRect* out) {
    int64_t x = dx, y = dy, u = sx, v = sy;
    const int64_t cw = ClipAxis(dstWidth, srcWidth, &x, &u, w);
    const int64_t ch = ClipAxis(dstHeight, srcHeight, &y, &v, h);
    if (cw <= 0 || ch <= 0) return false;
    *out = CopyRect{static_cast<int32_t>(x), static_cast<int32_t>(y),  static_cast<int32_t>(u),
                    static_cast<int32_t>(v), static_cast<int32_t>(cw), static_cast<int32_t>(ch)};
    return true;
}

bool ClipFill(int32_t width, int32_t height, int32_t x, int32_t y, int32_t w, int32_t h, FillRect* out) {
    const int64_t x0 = std::max<int64_t>(x, 0);
    const int64_t y0 = std::max<int64_t>(y, 0);
    const int64_t x1 = std::min<int64_t>(static_cast<int64_t>(x) + w, width);
    const int64_t y1 = std::min<int64_t>(static_cast<int64_t>(y) + h, height);
    if (x1 <= x0 || y1 <= y0) return false;
    *out = FillRect{static_cast<int32_t>(x0), static_cast<int32_t>(y0), static_cast<int32_t>(x1 - x0),
                    static_cast<int32_t>(y1 - y0)};
    return true;
}

}  // namespace host
