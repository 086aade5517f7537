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

// Writes the line to standard output: redrawn in place on a terminal, one line per position in a
// log. finished ends the display.
void DrawProgressLine(const ProgressLine& line, bool finished);

}  // namespace platform::detail
