#pragma once

#include <string>
#include <string_view>

namespace platform {

// The name the operating system's file calls take for a Windows file name. Windows: unchanged.
// Linux: backslashes become '/', and a drive letter is resolved as Wine does, through
// $WINEPREFIX/dosdevices ("C:\Game\" -> "<prefix>/dosdevices/c:/Game/"; "Z:" is the root when
// the prefix has no such link), so names read from a Wine registry reach the game's files.
std::string NativeFileName(std::string_view windowsName);

}  // namespace platform
