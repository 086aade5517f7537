#pragma once

#include <cstdint>

#include "demo/assets/cg_link_file.h"
#include "demo/base/surface_ref.h"

// The picture formats of the archive, told apart by their first two bytes. Each decoder creates
// its surface through the current Layerforge, reads only the picture's own bytes, and on success
// leaves the new surface in made (empty on failure). index is only for messages.
bool DecodePmsPicture(CgPictureBytes picture, int32_t index, SurfaceRef& made);
bool DecodeBmpPicture(CgPictureBytes picture, int32_t index, SurfaceRef& made);

// Shown for a picture whose header or data cannot be what it claims to be.
void ReportDamagedPicture(int32_t index);
