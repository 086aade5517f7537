#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace assetkit {

// A one-line count of long work ("movie-extract: 1200 of 5984 frames"), redrawn in place on a
// terminal and left out everywhere else.
class Progress {
public:
    Progress(std::string what, size_t total);
    ~Progress();
    void Done(size_t done);

private:
    std::string what_;
    size_t total_;
    bool shown_;
    size_t lastPercent_ = SIZE_MAX;
};

}  // namespace assetkit
