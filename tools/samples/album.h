#pragma once

#include <cstdint>
#include <vector>

#include "canvas.h"

namespace samples {

// The pictures of the CG archive by archive index, as encoded files.
class Album {
public:
    explicit Album(int32_t entryCount) : pictures_(static_cast<size_t>(entryCount)) {}

    void PutPms(int32_t index, const Canvas& canvas);
    void PutPms(int32_t index, const Canvas& canvas, const Plane& alpha);
    void PutMask(int32_t index, const Plane& shape);
    void PutBmp(int32_t index, const Canvas& canvas);

    const std::vector<std::vector<uint8_t>>& Pictures() const { return pictures_; }
    // True when every index holds a picture.
    bool Complete() const;

private:
    std::vector<std::vector<uint8_t>> pictures_;
};

// The picture groups, one per file; each fills the indices its scenes load.
void AddOpeningPictures(Album& album);   // scenes 0 to 2 and 5
void AddBackdropPictures(Album& album);  // scenes 3 and 4
void AddSpinPictures(Album& album);      // scenes 6 and 7
void AddTunnelPictures(Album& album);    // scenes 8 and 9
void AddClosingPictures(Album& album);   // scene 11 and the indices no scene loads

}  // namespace samples
