#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/assets/archive_file.h"
#include "tools/assets/archive_pack.h"

namespace web {

// The pictures of one archive as the page's Pictures view edits them: the archive as it was
// opened, the PNG files put in place of some of its pictures, and the archive they make. Every
// check and every byte written is prelo-assets pack's own code, so a picture the page takes is
// one pack takes, and the archive is the one pack writes from the same pictures.
class PictureEdits {
public:
    // Takes the archive's bytes and forgets every replacement. False with a reason.
    bool Open(std::vector<uint8_t> archive, std::string* error);

    struct Entry {
        uint32_t index = 0;
        const char* format = "";
        int32_t width = 0;
        int32_t height = 0;
        bool replaced = false;
    };
    // The entries that are pictures, in order, as they are now.
    std::vector<Entry> Pictures() const;

    // The picture now at index as RGBA rows, an 8-bit one through its palette and a replacement
    // at the precision its entry keeps; empty for an index that holds no picture.
    std::vector<uint8_t> Rgba(uint32_t index) const;

    // Puts the PNG in place of the picture at index when pack would take it, replacing an earlier
    // replacement; otherwise changes nothing and says why, naming the file by name.
    bool Replace(uint32_t index, const std::string& name, std::vector<uint8_t> png, std::string* refusal);
    // Gives the picture at index back its own bytes.
    void Restore(uint32_t index);

    // The archive with every replacement.
    const std::vector<uint8_t>& Archive() const { return edited_.bytes; }

private:
    bool Repack(std::vector<assetkit::PictureFile> offered, std::string* refusal);

    assetkit::ArchiveFile original_;
    assetkit::ArchiveFile edited_;
    std::vector<assetkit::PictureFile> offered_;
};

}  // namespace web
