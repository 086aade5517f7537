#include "host/player/contact_sheet.h"

#include <gtest/gtest.h>

#include <vector>

#include "host/player/bitmap_font.h"
#include "host/player/overlay.h"
#include "host/player/timeline.h"

TEST(ContactSheet, GridOfSixColumnsWithLabelledCells) {
    player::ContactSheet sheet(36);
    EXPECT_EQ(8 + 6 * 168, sheet.Width());
    EXPECT_EQ(8 + 6 * (120 + 18 + 8), sheet.Height());
    int x = 0, y = 0;
    sheet.CellOrigin(7, &x, &y);  // second row, second column
    EXPECT_EQ(8 + 168, x);
    EXPECT_EQ(8 + 146, y);
}

// A render gets a cell for each scene mark it reaches, without repeats, and the grid narrows to
// the cells it has.
TEST(ContactSheet, PlanHoldsTheFramesOfTheRangeAndTheGridFitsThem) {
    const struct {
        uint32_t from, to, fps;
        std::vector<std::string> labels;
    } cases[] = {
        {4800, 5300, 10, {"0 start 4.8s", "0 end 4.9s", "1 start 5.0s", "1 middle 5.2s"}},
        {6000, 6100, 10, {"1 start 6.0s"}},
        {0, 124634, 30, {}},  // every one of the 36 marks
        {124634, 124640, 30, {}},
    };
    for (const auto& c : cases) {
        const std::vector<player::SheetShot> shots = player::PlanSheet(player::FrameTimes(c.from, c.to, c.fps));
        if (c.from == 0) {
            EXPECT_EQ(36u, shots.size());
            continue;
        }
        std::vector<std::string> labels;
        for (const auto& shot : shots) labels.push_back(shot.label);
        EXPECT_EQ(c.labels, labels) << c.from;
    }
    const struct {
        int cells, width, height;
    } grids[] = {
        {1, 8 + 168, 8 + 146}, {4, 8 + 4 * 168, 8 + 146}, {6, 8 + 6 * 168, 8 + 146}, {7, 8 + 6 * 168, 8 + 2 * 146}};
    for (const auto& grid : grids) {
        player::ContactSheet sheet(grid.cells);
        EXPECT_EQ(grid.width, sheet.Width()) << grid.cells;
        EXPECT_EQ(grid.height, sheet.Height()) << grid.cells;
    }
}

TEST(ContactSheet, ThumbnailAveragesFourByFourBlocksAndStaysInItsCell) {
    std::vector<uint8_t> frame(640 * 480 * 3, 0);
    // The top-left 4 x 4 block: half white, half black, so its thumbnail pixel is mid grey.
    for (int yy = 0; yy < 4; ++yy) {
        for (int xx = 0; xx < 2; ++xx) {
            for (int c = 0; c < 3; ++c) frame[(yy * 640 + xx) * 3 + c] = 255;
        }
    }
    player::ContactSheet sheet(2);
    const std::vector<uint8_t> before = sheet.Pixels();
    sheet.Place(1, frame.data(), 640, 480, 640 * 3, "1 START 5.0S");
    int x = 0, y = 0;
    sheet.CellOrigin(1, &x, &y);
    const uint8_t* corner = sheet.Pixels().data() + y * sheet.Pitch() + x * 3;
    EXPECT_EQ(128, corner[0]);
    EXPECT_EQ(0, corner[3]);
    // Cell 0 and the margins are untouched.
    int x0 = 0, y0 = 0;
    sheet.CellOrigin(0, &x0, &y0);
    EXPECT_EQ(before[y0 * sheet.Pitch() + x0 * 3], sheet.Pixels()[y0 * sheet.Pitch() + x0 * 3]);
    EXPECT_EQ(before[0], sheet.Pixels()[0]);
    // The label is drawn under the thumbnail.
    bool labelled = false;
    for (int yy = y + 120; yy < y + 138 && !labelled; ++yy) {
        for (int xx = x; xx < x + 160; ++xx) labelled |= sheet.Pixels()[yy * sheet.Pitch() + xx * 3] == 0xD8;
    }
    EXPECT_TRUE(labelled);
    // Out-of-range cells and small frames are refused, not written.
    sheet.Place(2, frame.data(), 640, 480, 640 * 3, "X");
    sheet.Place(0, frame.data(), 320, 240, 320 * 3, "X");
    EXPECT_EQ(before[y0 * sheet.Pitch() + x0 * 3], sheet.Pixels()[y0 * sheet.Pitch() + x0 * 3]);
}

TEST(BitmapFont, DrawsClippedAndMeasures) {
    EXPECT_EQ(0, player::TextWidth("", 1));
    EXPECT_EQ(11, player::TextWidth("10", 1));
    EXPECT_EQ(22, player::TextWidth("10", 2));
    std::vector<uint8_t> image(8 * 8 * 3, 0);
    player::DrawText(image.data(), 8, 8, 24, -3, -2, "8", 2, 1, 2, 3);  // mostly outside: clipped
    player::DrawText(image.data(), 8, 8, 24, 0, 0, "1", 1, 9, 8, 7);
    // '1' has its stem in the middle column (x = 2) on row 1.
    EXPECT_EQ(7, image[(1 * 8 + 2) * 3]);
    EXPECT_EQ(9, image[(1 * 8 + 2) * 3 + 2]);
}

// The overlay's line reads over any scene and touches nothing outside its band in the top-left
// corner, also on a picture too small for it, row padding and all.
TEST(Overlay, DrawsItsLineInABandAtTheTopLeftAlone) {
    EXPECT_EQ("12.345 s  scene 7  60 fps", player::OverlayText(12345, 7, 59.6));
    EXPECT_EQ("0.040 s  scene -  0 fps", player::OverlayText(40, -1, 0.0));
    const std::string line = player::OverlayText(12345, 7, 59.6);
    for (const int width : {640, 30}) {
        const int height = width * 3 / 4, pitch = width * 3 + 5;
        std::vector<uint8_t> image(static_cast<size_t>(pitch) * height + 16, 200);
        player::DrawOverlay(image.data(), width, height, pitch, line);
        int white = 0, dimmed = 0;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < pitch; ++x) {
                const uint8_t value = image[static_cast<size_t>(y) * pitch + x];
                const bool inBand = x < width * 3 && x >= 6 * 3 && y >= 6 && y < 6 + 14 + 8;
                if (!inBand) {
                    ASSERT_EQ(200, value) << width << ": " << x << ", " << y;
                }
                white += value == 255;
                dimmed += value == 50;
            }
        }
        EXPECT_GT(white, 0) << width;
        EXPECT_GT(dimmed, white) << width;
        EXPECT_EQ(std::vector<uint8_t>(16, 200), std::vector<uint8_t>(image.end() - 16, image.end()));
    }
}
