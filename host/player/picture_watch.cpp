#include "host/player/picture_watch.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <utility>

#include "host/player/picture_override.h"

namespace player {

namespace fs = std::filesystem;

PictureWatch::PictureWatch(std::string folder) : folder_(std::move(folder)) { Look(&seen_); }

std::vector<uint32_t> PictureWatch::Changes() {
    std::map<uint32_t, Stamp> now;
    if (!Look(&now)) return {};
    std::vector<uint32_t> changed;
    for (const auto& [index, stamp] : now) {
        const auto before = seen_.find(index);
        if (before == seen_.end() || !(before->second == stamp)) changed.push_back(index);
    }
    for (const auto& [index, stamp] : seen_) {
        if (now.count(index) == 0) changed.push_back(index);
    }
    seen_ = std::move(now);
    std::sort(changed.begin(), changed.end());
    return changed;
}

bool PictureWatch::Look(std::map<uint32_t, Stamp>* stamps) const {
    std::error_code code;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder_, code)) {
        uint32_t index = 0;
        if (!OfferedPictureIndex(entry.path().filename().string(), &index)) continue;
        struct stat status {};
        if (::stat(entry.path().c_str(), &status) != 0) continue;
        (*stamps)[index] = {status.st_ino, static_cast<int64_t>(status.st_size),
                            static_cast<int64_t>(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec};
    }
    return !code;
}

}  // namespace player
