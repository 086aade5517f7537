// prelo-play: watch and hear the demo in a window, or render it to a video and a contact sheet.
// Exit status: 0 done, 1 bad arguments, 2 libraries or asset files missing or refused, 3 the demo did not
// start, 4 an output could not be written, 5 no display.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "host/player/asset_folder.h"
#include "host/player/headless_render.h"
#include "host/player/picture_override.h"
#include "host/player/player_options.h"
#include "host/player/player_settings.h"
#include "host/player/user_folders.h"
#include "host/player/window_player.h"
#include "host/runner/demo_libraries.h"
#include "prelo/version.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    player::PlayerOptions options;
    std::string error;
    // What earlier windows were left with, unless the command line says otherwise. A damaged
    // file is left alone for its owner to look at, and not written over.
    const std::string settingsPath = player::SettingsFilePath();
    player::PlayerSettings settings;
    bool keepSettings = !settingsPath.empty();
    if (keepSettings && !player::LoadPlayerSettings(settingsPath, &settings, &error)) {
        std::fprintf(stderr, "prelo-play: ignoring the settings file: %s\n", error.c_str());
        settings = player::PlayerSettings();
        keepSettings = false;
    }
    options.fullscreen = settings.fullscreen;
    options.scaling = settings.scaling;
    if (!player::ParsePlayerOptions(args, &options, &error)) {
        std::fprintf(stderr, "prelo-play: %s\n%s", error.c_str(), player::PlayerUsage().c_str());
        return 1;
    }
    if (options.help) {
        std::printf("%s", player::PlayerUsage().c_str());
        return 0;
    }
    if (options.version) {
        std::printf("prelo-play %s\n", PRELO_VERSION);
        return 0;
    }
    std::string assets = player::ResolveAssetFolder(options.assetsFolder);
    if (!player::CheckAssetFolder(assets, &error)) {
        std::fprintf(stderr, "prelo-play: %s\n", error.c_str());
        return 2;
    }
    player::PictureOverride override;
    if (!options.overrideFolder.empty()) {
        if (!override.Prepare(assets, options.overrideFolder, &error)) {
            for (size_t start = 0; start <= error.size();) {
                const size_t end = std::min(error.find('\n', start), error.size());
                std::fprintf(stderr, "prelo-play: %s\n", error.substr(start, end - start).c_str());
                start = end + 1;
            }
            return 2;
        }
        std::fprintf(stderr, "prelo-play: %zu pictures from %s replace the archive's for this run\n",
                     override.Replaced(), options.overrideFolder.c_str());
        assets = override.Folder();
    }
    host::DemoLibraries libraries;
    if (!libraries.Load(host::ModuleFolder(), "Prelo", &error)) {
        std::fprintf(stderr, "prelo-play: %s\n", error.c_str());
        return 2;
    }
    if (!options.renderFolder.empty()) return player::RenderHeadless(options, assets, libraries);
    player::PlayerSettings ended = settings;
    const int status = player::PlayInWindow(options, assets, libraries, &ended);
    // Only what the keys changed is remembered: --fullscreen or --scale for one run stays one run's.
    player::PlayerSettings kept = settings;
    if (ended.fullscreen != options.fullscreen) kept.fullscreen = ended.fullscreen;
    if (ended.scaling != options.scaling) kept.scaling = ended.scaling;
    kept.volume = ended.volume;
    const bool changed =
        kept.fullscreen != settings.fullscreen || kept.scaling != settings.scaling || kept.volume != settings.volume;
    if (keepSettings && changed && !player::SavePlayerSettings(settingsPath, kept, &error)) {
        std::fprintf(stderr, "prelo-play: the settings were not kept: %s\n", error.c_str());
    }
    return status;
}
