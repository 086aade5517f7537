#include "host/player/picture_override.h"

#include <stdlib.h>

#include <filesystem>
#include <regex>

#include "tools/assets/archive_pack.h"
#include "tools/assets/files.h"

namespace player {
namespace {

namespace fs = std::filesystem;

constexpr const char* kArchive = "Prelo.zpx";

bool OfferedPictures(const fs::path& folder, std::vector<assetkit::PictureFile>* pictures, std::string* error) {
    // As the archive's names come out of prelo-assets, or in capitals from a FAT drive.
    static const std::regex kName("cg_([0-9]{1,9})\\.png", std::regex::icase);
    std::error_code code;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, code)) {
        std::smatch match;
        const std::string name = entry.path().filename().string();
        if (!std::regex_match(name, match, kName)) continue;
        assetkit::PictureFile picture{
            static_cast<uint32_t>(std::stoul(match[1].str())), assetkit::Shown(entry.path()), {}};
        if (!assetkit::ReadWholeFile(entry.path(), &picture.png, error)) return false;
        pictures->push_back(std::move(picture));
    }
    if (code) {
        *error = "--override " + assetkit::Shown(folder) + ": " + code.message();
        return false;
    }
    if (pictures->empty()) {
        *error = "--override " + assetkit::Shown(folder) + ": holds no cg_NNN.png pictures";
        return false;
    }
    return true;
}

}  // namespace

PictureOverride::~PictureOverride() {
    if (folder_.empty()) return;
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
}

bool PictureOverride::Prepare(const assetkit::GameFiles& game, const std::string& pictureFolder, std::string* error) {
    std::vector<assetkit::PictureFile> pictures;
    if (!OfferedPictures(pictureFolder, &pictures, error)) return false;
    std::vector<uint8_t> bytes;
    assetkit::ArchiveFile archive;
    std::string reason;
    const fs::path source = game.archive;
    if (!assetkit::ReadWholeFile(source, &bytes, error)) return false;
    if (!assetkit::ReadArchive(std::move(bytes), &archive, &reason)) {
        *error = assetkit::Shown(source) + ": " + reason;
        return false;
    }
    const assetkit::PackOutcome outcome = assetkit::PackArchive(archive, pictures, false);
    if (!outcome.refusals.empty()) {
        error->clear();
        for (const std::string& refusal : outcome.refusals) *error += (error->empty() ? "" : "\n") + refusal;
        return false;
    }

    std::string pattern = (fs::temp_directory_path() / "prelo-override-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        *error = "--override: no temporary folder could be made in " + fs::temp_directory_path().string();
        return false;
    }
    folder_ = pattern;
    if (!assetkit::WriteFileAtomically(fs::path(folder_) / kArchive, outcome.archive, error)) return false;
    // The other files under the names the demo opens them by, whatever their case in the game's folder.
    const std::pair<std::string, std::string> others[] = {
        {game.movie, game.movieName}, {game.music, "Vuvi01.wav"}, {game.settings, "Prelo.ini"}};
    for (const auto& [file, name] : others) {
        std::error_code code;
        if (file.empty()) continue;
        fs::create_symlink(fs::absolute(file), fs::path(folder_) / name, code);
        if (code) {
            *error = "--override: cannot link " + file + " (" + code.message() + ")";
            return false;
        }
    }
    replaced_ = outcome.changed.size();
    return true;
}

}  // namespace player
