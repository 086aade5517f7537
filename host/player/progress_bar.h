#pragma once

#include <cstddef>
#include <string>

namespace player {

// One line of render progress: a bar, frames done of all, frames per second and time left.
std::string ProgressLine(size_t done, size_t total, double elapsedSeconds, int barWidth = 30);

}  // namespace player
