#pragma once

#include <string>

#include "host/player/player_options.h"

namespace player {

// What the player remembers between runs.
struct PlayerSettings {
    bool fullscreen = false;
    Scaling scaling = Scaling::kSmooth;
    int volume = 100;  // percent
};

// The settings file's text: "key = value" lines (fullscreen yes|no, scaling smooth|integer,
// volume 0..100), blank lines and "#" comments. False with the line and the fault in *error for
// anything else; *settings is then left as it was.
bool ParsePlayerSettings(const std::string& text, PlayerSettings* settings, std::string* error);
std::string FormatPlayerSettings(const PlayerSettings& settings);

// Reads the file at path over *settings. A missing file is no fault (true, nothing changed); a
// damaged or unreadable one is false with the reason, nothing changed.
bool LoadPlayerSettings(const std::string& path, PlayerSettings* settings, std::string* error);
// Writes the file whole, making its folder first. False with the reason.
bool SavePlayerSettings(const std::string& path, const PlayerSettings& settings, std::string* error);

}  // namespace player
