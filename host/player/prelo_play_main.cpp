// prelo-play: watch and hear the demo in a window, or render it to a video and a contact sheet.
// The exit statuses are console::PlayStatus.
#include <cstdio>
#include <string>
#include <vector>

#include "host/player/headless_render.h"
#include "host/player/player_options.h"
#include "host/player/player_run.h"
#include "host/player/player_settings.h"
#include "host/player/user_folders.h"
#include "host/player/window_player.h"
#include "tools/console/exit_status.h"

int main(int argc, char** argv) {
    std::string error;
    // What earlier windows were left with, unless the command line says otherwise. A damaged
    // file is left alone for its owner to look at, and not written over.
    const std::string settingsPath = player::SettingsFilePath();
    player::PlayerSettings settings;
    bool keepSettings = !settingsPath.empty();
    if (keepSettings && !player::LoadPlayerSettings(settingsPath, &settings, &error)) {
        player::Tell("ignoring the settings file: " + error);
        settings = player::PlayerSettings();
        keepSettings = false;
    }
    player::PlayerOptions options;
    options.fullscreen = settings.fullscreen;
    options.scaling = settings.scaling;
    const console::ParseOutcome parsed =
        player::ParsePlayerOptions(std::vector<std::string>(argv + 1, argv + argc), &options);
    if (const int status = console::FinishParse("prelo-play", parsed, console::kUsage); status >= 0) return status;

    if (!options.renderFolder.empty()) {
        player::PlayerRun run;
        const int status = run.Prepare(options);
        return status != console::kPlayed ? status : player::RenderHeadless(options, run);
    }
    // The display first: without one the player stops at once, before anything slow is done.
    player::WindowPlayer window;
    if (!window.OpenDisplay(&error)) {
        player::Tell(error);
        return console::kNoDisplay;
    }
    player::PlayerRun run;
    if (const int status = run.Prepare(options); status != console::kPlayed) return status;
    player::PlayerSettings ended = settings;
    const int status = window.Play(options, run, &ended);
    // Only what the keys changed is remembered: --fullscreen or --scale for one run stays one run's.
    player::PlayerSettings kept = settings;
    if (ended.fullscreen != options.fullscreen) kept.fullscreen = ended.fullscreen;
    if (ended.scaling != options.scaling) kept.scaling = ended.scaling;
    kept.volume = ended.volume;
    const bool changed =
        kept.fullscreen != settings.fullscreen || kept.scaling != settings.scaling || kept.volume != settings.volume;
    if (keepSettings && changed && !player::SavePlayerSettings(settingsPath, kept, &error)) {
        player::Tell("the settings were not kept: " + error);
    }
    return status;
}
