#include "host/player/asset_folder.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "host/runner/install_layout.h"
#include "platform/process_path.h"

namespace player {
namespace {

bool IsFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return file.good();
}

}  // namespace

std::string ResolveAssetFolder(const std::string& given) {
    std::string folder = given;
    if (folder.empty()) folder = host::DefaultAssetFolder();
    if (!folder.empty() && folder[0] != '/') folder = platform::CurrentFolder() + "/" + folder;
    return folder;
}

bool CheckAssetFolder(const std::string& folder, std::string* error) {
    std::string missing;
    for (const char* name : {"Prelo.zpx", "Vuvi01.wav"}) {
        if (!IsFile(folder + "/" + name)) missing += std::string(missing.empty() ? "" : ", ") + name;
    }
    if (!IsFile(folder + "/Prelo.moz") && !IsFile(folder + "/PreloM.moz")) {
        missing += std::string(missing.empty() ? "" : ", ") + "Prelo.moz (or PreloM.moz)";
    }
    if (missing.empty()) return true;
    *error = "the asset folder " + folder + " lacks " + missing +
             " (build the sample set with ./play or cmake --build --preset native, or pass --assets DIR)";
    return false;
}

int32_t DemoMusicNumber(const std::string& folder) {
    std::ifstream file(folder + "/Prelo.ini", std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    int number = 2;
    return std::sscanf(text.str().c_str(), "%d", &number) == 1 ? number : 2;
}

}  // namespace player
