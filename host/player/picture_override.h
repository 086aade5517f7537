#pragma once

#include <string>
#include <vector>

#include "tools/assets/archive_file.h"
#include "tools/assets/archive_pack.h"
#include "tools/assets/game_folder.h"

namespace player {

// Whether a file name is one of an offered picture's, cg_NNN.png, and its archive index.
bool OfferedPictureIndex(const std::string& fileName, uint32_t* index);

// The pictures a folder offers in place of the archive's: its cg_NNN.png files (as prelo-assets
// extracts them, or in capitals from a FAT drive). False with a line naming the folder when it
// cannot be read, or holds none and allowNone is false.
bool ReadOfferedPictures(const std::string& folder, bool allowNone, std::vector<assetkit::PictureFile>* pictures,
                         std::string* error);

// The demo's files for one run in which pictures replace the archive's: a private temporary
// folder holding the archive packed with them, checked as prelo-assets pack checks them, and
// links to the other files. The game's own files are never touched; the folder goes when this
// object does.
class PictureOverride {
public:
    PictureOverride() = default;
    PictureOverride(const PictureOverride&) = delete;
    PictureOverride& operator=(const PictureOverride&) = delete;
    ~PictureOverride();

    // From game.archive (any file name) and the pictures given, none allowed. False with the
    // reasons, one line each, when a picture is refused or nothing can be made.
    bool Prepare(const assetkit::GameFiles& game, const std::vector<assetkit::PictureFile>& pictures,
                 std::string* error);

    // Packs the original archive again with these pictures and puts it in place of the folder's,
    // whole; on a refusal the folder's archive stays as it was.
    bool Repack(const std::vector<assetkit::PictureFile>& pictures, std::string* error);

    const std::string& Folder() const { return folder_; }
    size_t Replaced() const { return replaced_; }

private:
    assetkit::ArchiveFile original_;
    std::string folder_;
    size_t replaced_ = 0;
};

}  // namespace player
