#pragma once

#include <cstdint>
#include <string>

namespace player {

// The folder the player reads the demo's files from: the one given, else the sample set of the
// build tree or of the installed package. Made absolute, since the demo is run with its
// assets as the current folder.
std::string ResolveAssetFolder(const std::string& given);

// Checks that the folder holds the files the demo opens; false with a message naming what is
// missing. Damage inside a file is the demo's to report when it opens it.
bool CheckAssetFolder(const std::string& folder, std::string* error);

// The music number the demo will ask for: the first decimal number of "Prelo.ini", else 2.
int32_t DemoMusicNumber(const std::string& folder);

}  // namespace player
