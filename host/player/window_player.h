#pragma once

#include <memory>
#include <string>

#include "host/player/player_options.h"
#include "host/player/player_run.h"
#include "host/player/player_settings.h"

namespace player {

// The demo in an SDL window with sound, keys and the overlay.
class WindowPlayer {
public:
    WindowPlayer();
    ~WindowPlayer();
    WindowPlayer(const WindowPlayer&) = delete;
    WindowPlayer& operator=(const WindowPlayer&) = delete;

    // Opens the display the window goes on. False with the line to say when there is none: no
    // display at all, or one SDL fell back to that shows nothing (its offscreen and dummy
    // drivers), where the demo would play unseen for ever. A driver named in SDL_VIDEODRIVER is
    // taken as it is.
    bool OpenDisplay(std::string* error);

    // Plays until the demo ends, the window closes or a quit key is pressed. Starts at
    // remembered->volume; leaves the fullscreen, scaling and volume it ended with in
    // *remembered. Returns the exit status (console::PlayStatus).
    int Play(const PlayerOptions& options, PlayerRun& run, PlayerSettings* remembered);

    struct Session;  // the SDL window and its renderer

private:
    std::unique_ptr<Session> sdl_;
};

}  // namespace player
