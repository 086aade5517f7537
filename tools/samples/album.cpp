#include "album.h"

#include <algorithm>

#include "bmp_file.h"
#include "pms_file.h"

namespace samples {

void Album::PutPms(int32_t index, const Canvas& canvas) { pictures_.at(index) = tools::WritePms(canvas.ToPicture()); }

void Album::PutPms(int32_t index, const Canvas& canvas, const Plane& alpha) {
    pictures_.at(index) = tools::WritePms(canvas.ToPicture(alpha));
}

void Album::PutMask(int32_t index, const Plane& shape) {
    pictures_.at(index) = tools::WritePms(tools::MaskPicture{shape.width, shape.height, shape.Bytes()});
}

void Album::PutBmp(int32_t index, const Canvas& canvas) {
    pictures_.at(index) = tools::WriteBmp24(canvas.Width(), canvas.Height(), canvas.ToBgr());
}

bool Album::Complete() const {
    return std::none_of(pictures_.begin(), pictures_.end(), [](const auto& p) { return p.empty(); });
}

}  // namespace samples
