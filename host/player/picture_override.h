#pragma once

#include <string>

#include "tools/assets/game_folder.h"

namespace player {

// The demo's files for one run in which pictures of a folder (cg_NNN.png, as prelo-assets
// extracts them) replace the archive's: a private temporary folder holding the archive packed
// with them, checked as prelo-assets pack checks them, and links to the other files. The game's
// own files are never touched; the folder goes when this object does.
class PictureOverride {
public:
    PictureOverride() = default;
    PictureOverride(const PictureOverride&) = delete;
    PictureOverride& operator=(const PictureOverride&) = delete;
    ~PictureOverride();

    // False with the reasons, one line each, when a picture is refused or nothing can be made.
    bool Prepare(const assetkit::GameFiles& game, const std::string& pictureFolder, std::string* error);

    const std::string& Folder() const { return folder_; }
    size_t Replaced() const { return replaced_; }

private:
    std::string folder_;
    size_t replaced_ = 0;
};

}  // namespace player
