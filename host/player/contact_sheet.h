#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace player {

// One thumbnail of a render's contact sheet: which frame of the render, and its label.
struct SheetShot {
    size_t frame;
    std::string label;
};

// The thumbnails a render of these frame times gets: every scene at its start, middle and end,
// each at the frame nearest its mark within the scene. A scene the render does not reach gets
// none, and a mark that lands on the frame the one before it took is left out, so a short range
// shows the frames it holds and no repeats.
std::vector<SheetShot> PlanSheet(const std::vector<uint32_t>& times);

// A grid of labelled thumbnails of a render: six columns (two scenes of three cells a row),
// fewer when there are fewer cells, each thumbnail a quarter of the frame in each direction
// with its label beneath.
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
    int columns_;
    int width_;
    int height_;
    std::vector<uint8_t> pixels_;
};

}  // namespace player
