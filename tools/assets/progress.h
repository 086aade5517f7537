#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The one progress line of the commands: a count of long work on standard error, with a bar,
// the rate and the time left ("render: [#####.....] 1200/5984 frames  61.3 fps  1:18 left").
namespace assetkit {

// The line for done of total after so many seconds.
std::string ProgressText(const std::string& what, size_t done, size_t total, double elapsedSeconds);

// On a terminal the line is redrawn in place, a few times a second at most. Elsewhere (a log) it
// is written, when logged is set, as a line of its own at every tenth of the way and at the end,
// and otherwise not at all, so that a log never fills with redraws.
class Progress {
public:
    Progress(std::string what, size_t total, bool logged = false);
    ~Progress();
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;

    void Done(size_t done);

private:
    double Elapsed() const;

    std::string what_;
    size_t total_;
    bool terminal_;
    bool logged_;
    double started_;  // seconds on a steady clock
    double lastDrawn_ = -1.0;
    size_t lastDone_ = SIZE_MAX;
    size_t nextLogged_ = 0;
    size_t lastLogged_ = SIZE_MAX;
};

}  // namespace assetkit
