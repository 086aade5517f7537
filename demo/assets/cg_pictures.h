#pragma once

#include <cstdint>

#include "demo/assets/cg_link_file.h"
#include "demo/base/surface_ref.h"

// Why a picture was not decoded, for the archive's loader to say.
enum class PictureFault {
    kNone,
    kDamaged,          // a header or data that cannot be what it claims to be
    kUnexpandablePms,  // a PMS of a depth the demo does not expand
    kUnshown,          // refused without a message: no Layerforge or surface, a BMP of another depth
};

// The picture formats of the archive, told apart by their first two bytes. Each decoder creates
// its surface through the current Layerforge, reads only the picture's own bytes, and on success
// leaves the new surface in made (empty on failure).
PictureFault DecodePmsPicture(CgPictureBytes picture, SurfaceRef& made);
PictureFault DecodeBmpPicture(CgPictureBytes picture, SurfaceRef& made);
