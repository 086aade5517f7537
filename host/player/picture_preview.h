#pragma once

#include <cstdint>
#include <string>

namespace player {

struct PreviewRequest {
    std::string source;        // an archive, or the folder prelo-assets extract wrote (its changed pictures too)
    std::string index;         // the archive index, as typed
    std::string out;           // the PNG to write
    std::string assetsFolder;  // the movie and music to play beside it; empty: the sample set
    uint32_t fps = 30;         // the render's frame rate up to the picture's moment
};

// prelo-assets preview: the frame at the middle of the picture's first window on the screen,
// played on the virtual clock from the start of the scene that shows it, as a render does, with
// the source's archive and pictures. Returns prelo-assets' exit status (0 written, 1 refused or
// failed with its reasons on standard error, 2 an index that is not a number).
int PreviewPicture(const PreviewRequest& request);

}  // namespace player
