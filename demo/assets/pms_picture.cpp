#include "demo/assets/cg_pictures.h"
#include "demo/assets/picture_headers.h"
#include "demo/assets/pms_streams.h"
#include "demo/base/bound_modules.h"
#include "demo/base/plane_view.h"
#include "interfaces/layerforge.h"

namespace {

// A stream that starts inside the picture and holds enough bytes to cover a plane of this size
// at the densest opcode; anything less must run out, so it is refused before a surface exists.
bool StreamCanCover(CgPictureBytes picture, uint32_t offset, const PmsHeader& header) {
    if (offset >= picture.size) return false;
    const uint64_t pixels = static_cast<uint64_t>(header.width) * static_cast<uint64_t>(header.height);
    return pixels <= (picture.size - offset) * kPmsMaxPixelsPerStreamByte;
}

bool PlausibleSize(const PmsHeader& header) {
    // Rows of 3-byte pixels must stay addressable in 32 bits.
    return header.width > 0 && header.height > 0 && header.width <= INT32_MAX / 4 && header.height <= INT32_MAX / 4;
}

}  // namespace

PictureFault DecodePmsPicture(CgPictureBytes picture, SurfaceRef& made) {
    PmsHeader header;
    if (!ReadPmsHeader(picture.data, picture.size, &header)) return PictureFault::kDamaged;
    if (header.depth != 8 && header.depth != 16) return PictureFault::kUnexpandablePms;
    const bool withAlpha = header.depth == 16 && header.alphaOffset != 0;
    if (!PlausibleSize(header) || !StreamCanCover(picture, header.mainOffset, header) ||
        (withAlpha && !StreamCanCover(picture, header.alphaOffset, header))) {
        return PictureFault::kDamaged;
    }
    if (CurrentLayerforge() == nullptr) return PictureFault::kUnshown;

    if (header.depth == 8) {
        made.Reset(CurrentLayerforge()->CreateMaskSurface(header.width, header.height));
    } else if (withAlpha) {
        made.Reset(CurrentLayerforge()->CreateSurfaceWithAlpha(header.width, header.height, 24));
    } else {
        made.Reset(CurrentLayerforge()->CreateSurface(header.width, header.height, 24));
    }
    if (!made) return PictureFault::kUnshown;

    PlaneView plane;
    PlaneView alpha;
    const bool planesUsable = header.depth == 8
                                  ? BindAlphaPlane(made.Get(), header.width, header.height, plane)
                                  : BindPixelPlane(made.Get(), header.width, header.height, plane) &&
                                        (!withAlpha || BindAlphaPlane(made.Get(), header.width, header.height, alpha));
    // The streams copy from rows above through the pitch: the rows must run top-down.
    if (!planesUsable || plane.pitch <= 0 || (withAlpha && alpha.pitch <= 0)) {
        made.Release();
        return PictureFault::kUnshown;
    }

    const uint8_t* mainStream = picture.data + header.mainOffset;
    const size_t mainSize = picture.size - header.mainOffset;
    bool decoded = header.depth == 8 ? DecodePmsByteStream(mainStream, mainSize, plane)
                                     : DecodePmsColourStream(mainStream, mainSize, plane);
    if (decoded && withAlpha) {
        decoded = DecodePmsByteStream(picture.data + header.alphaOffset, picture.size - header.alphaOffset, alpha);
    }
    if (!decoded) {
        made.Release();
        return PictureFault::kDamaged;
    }
    return PictureFault::kNone;
}
