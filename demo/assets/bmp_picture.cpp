#include <cstring>

#include "demo/assets/cg_pictures.h"
#include "demo/assets/picture_headers.h"
#include "demo/base/bound_modules.h"
#include "demo/base/plane_view.h"
#include "interfaces/layerforge.h"

PictureFault DecodeBmpPicture(CgPictureBytes picture, SurfaceRef& made) {
    BmpHeader header;
    if (!ReadBmpHeader(picture.data, picture.size, &header)) return PictureFault::kDamaged;
    const uint32_t rowsOffset = header.rowsOffset;
    const int32_t width = header.width;
    const int32_t height = header.height;
    if (header.bitsPerPixel != 24) return PictureFault::kUnshown;
    // Only bottom-up pictures with every stored row inside the picture's bytes are taken; a
    // zero or negative height (top-down or empty) is refused rather than handed to the factory.
    if (width <= 0 || height <= 0 || width > INT32_MAX / 4) return PictureFault::kDamaged;
    const uint64_t rowBytes = static_cast<uint64_t>(width) * 3;
    const uint64_t storedRowBytes = BmpStoredRowBytes(width);
    const uint64_t lastRowEnd = rowsOffset + (static_cast<uint64_t>(height) - 1) * storedRowBytes + rowBytes;
    if (lastRowEnd > picture.size) return PictureFault::kDamaged;
    if (CurrentLayerforge() == nullptr) return PictureFault::kUnshown;
    made.Reset(CurrentLayerforge()->CreateSurfaceWithAlpha(width, height, 24));
    if (!made) return PictureFault::kUnshown;
    PlaneView plane;
    if (!BindPixelPlane(made.Get(), width, height, plane) || plane.pitch <= 0) {
        made.Release();
        return PictureFault::kUnshown;
    }
    for (int32_t r = 0; r < height; ++r) {
        const uint8_t* stored = picture.data + rowsOffset + static_cast<uint64_t>(r) * storedRowBytes;
        std::memcpy(plane.Row(height - 1 - r), stored, static_cast<size_t>(rowBytes));
    }
    return PictureFault::kNone;
}
