#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform::detail {

// What a dialog shows, as one line of text for a terminal.
struct ProgressLine {
    uint32_t low = 0;
    uint32_t high = 100;
    uint32_t position = 0;
    std::vector<std::string> texts;  // the controls' texts in id order, empty ones left out
};

std::string FormatProgressLine(const ProgressLine& line);

// Writes the line to standard output. A terminal sees it redrawn in place; a log gets one line per
// file, written when the position moves on, so that it shows each step complete. finished ends it.
void DrawProgressLine(const ProgressLine& line, bool finished);

}  // namespace platform::detail
