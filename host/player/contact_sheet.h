#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace player {

// A grid of labelled thumbnails of a render: six columns (two scenes of three cells a row),
// each thumbnail a quarter of the frame in each direction with its label beneath.
class ContactSheet {
public:
    static constexpr int kColumns = 6;
    static constexpr int kThumbWidth = 160;
    static constexpr int kThumbHeight = 120;
    static constexpr int kMargin = 8;
    static constexpr int kLabelHeight = 18;

    explicit ContactSheet(int cells);

    int Width() const { return width_; }
    int Height() const { return height_; }
    // Where cell i's thumbnail goes.
    void CellOrigin(int cell, int* x, int* y) const;

    // Shrinks a 640 x 480 frame (blue, green, red) into cell i by 4 x 4 averaging, and labels it.
    void Place(int cell, const uint8_t* frame, int frameWidth, int frameHeight, int framePitch,
               const std::string& label);

    const std::vector<uint8_t>& Pixels() const { return pixels_; }
    int Pitch() const { return width_ * 3; }

private:
    int cells_;
    int width_;
    int height_;
    std::vector<uint8_t> pixels_;
};

}  // namespace player
