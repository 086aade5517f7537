#pragma once

#include <string>

namespace player {

// The player's settings file: $XDG_CONFIG_HOME/prelo/player.ini, else ~/.config/prelo/player.ini.
// Empty when neither variable nor a home folder is known.
std::string SettingsFilePath();

// Where screenshots go: $XDG_PICTURES_DIR/Prelo, else ~/Pictures/Prelo. Empty as above.
std::string ScreenshotFolder();

// Makes path and every missing folder above it. False with the reason in *error.
bool MakeFolders(const std::string& path, std::string* error);

}  // namespace player
