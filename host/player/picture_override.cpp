#include "host/player/picture_override.h"

#include <stdlib.h>

#include <filesystem>
#include <regex>

#include "tools/assets/files.h"

namespace player {
namespace {

namespace fs = std::filesystem;

constexpr const char* kArchive = "Prelo.zpx";

}  // namespace

bool OfferedPictureIndex(const std::string& fileName, uint32_t* index) {
    // As the archive's names come out of prelo-assets, or in capitals from a FAT drive.
    static const std::regex kName("cg_([0-9]{1,9})\\.png", std::regex::icase);
    std::smatch match;
    if (!std::regex_match(fileName, match, kName)) return false;
    *index = static_cast<uint32_t>(std::stoul(match[1].str()));
    return true;
}

bool ReadOfferedPictures(const std::string& folder, bool allowNone, std::vector<assetkit::PictureFile>* pictures,
                         std::string* error) {
    std::error_code code;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, code)) {
        uint32_t index = 0;
        if (!OfferedPictureIndex(entry.path().filename().string(), &index)) continue;
        assetkit::PictureFile picture{index, assetkit::Shown(entry.path()), {}};
        if (!assetkit::ReadWholeFile(entry.path(), &picture.png, error)) return false;
        pictures->push_back(std::move(picture));
    }
    if (code) {
        *error = assetkit::Shown(folder) + ": " + code.message();
        return false;
    }
    if (pictures->empty() && !allowNone) {
        *error = assetkit::Shown(folder) + ": holds no cg_NNN.png pictures";
        return false;
    }
    return true;
}

PictureOverride::~PictureOverride() {
    if (folder_.empty()) return;
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
}

bool PictureOverride::Prepare(const assetkit::GameFiles& game, const std::vector<assetkit::PictureFile>& pictures,
                              std::string* error) {
    std::vector<uint8_t> bytes;
    std::string reason;
    const fs::path source = game.archive;
    if (!assetkit::ReadWholeFile(source, &bytes, error)) return false;
    if (!assetkit::ReadArchive(std::move(bytes), &original_, &reason)) {
        *error = assetkit::Shown(source) + ": " + reason;
        return false;
    }
    std::string pattern = (fs::temp_directory_path() / "prelo-override-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        *error = "no temporary folder could be made in " + fs::temp_directory_path().string();
        return false;
    }
    folder_ = pattern;
    if (!Repack(pictures, error)) return false;
    // The other files under the names the demo opens them by, whatever their case in the game's folder.
    const std::pair<std::string, std::string> others[] = {
        {game.movie, game.movieName}, {game.music, "Vuvi01.wav"}, {game.settings, "Prelo.ini"}};
    for (const auto& [file, name] : others) {
        std::error_code code;
        if (file.empty()) continue;
        fs::create_symlink(fs::absolute(file), fs::path(folder_) / name, code);
        if (code) {
            *error = "cannot link " + file + " (" + code.message() + ")";
            return false;
        }
    }
    return true;
}

bool PictureOverride::Repack(const std::vector<assetkit::PictureFile>& pictures, std::string* error) {
    const assetkit::PackOutcome outcome = assetkit::PackArchive(original_, pictures, false);
    if (!outcome.refusals.empty()) {
        error->clear();
        for (const std::string& refusal : outcome.refusals) *error += (error->empty() ? "" : "\n") + refusal;
        return false;
    }
    if (!assetkit::WriteFileAtomically(fs::path(folder_) / kArchive, outcome.archive, error)) return false;
    replaced_ = outcome.changed.size();
    return true;
}

}  // namespace player
