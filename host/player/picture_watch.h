#pragma once

#include <sys/types.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace player {

// The cg_NNN.png files of a folder, looked at when asked: which of them were written, replaced
// (a rename over one counts, as editors save that way), added or removed since the last look.
// Nothing runs between looks, so the caller picks the clock and the pace, and a test on a
// virtual clock needs no real waits.
class PictureWatch {
public:
    // Takes the first look: what is there now counts as seen.
    explicit PictureWatch(std::string folder);

    // The archive indices of the files that changed since the last look, in order. A folder
    // that cannot be read shows no change.
    std::vector<uint32_t> Changes();

private:
    struct Stamp {
        ino_t inode = 0;
        int64_t size = 0;
        int64_t modifiedNs = 0;
        bool operator==(const Stamp&) const = default;
    };
    bool Look(std::map<uint32_t, Stamp>* stamps) const;

    std::string folder_;
    std::map<uint32_t, Stamp> seen_;
};

}  // namespace player
