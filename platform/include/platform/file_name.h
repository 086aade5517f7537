#pragma once

#include <string>
#include <string_view>

namespace platform {

// The name the operating system's file calls take for a Windows file name. Windows: unchanged.
// Linux: backslashes become '/', and a drive letter is resolved as Wine does, through
// $WINEPREFIX/dosdevices ("C:\Game\" -> "<prefix>/dosdevices/c:/Game/"; "Z:" is the root when
// the prefix has no such link), so names read from a Wine registry reach the game's files. The
// letter case is then matched as FileNameAsFound matches it.
std::string NativeFileName(std::string_view windowsName);

// A file or folder name as Windows finds it. Windows: unchanged. Linux: where the name as given
// does not exist, each part of it that is absent is matched against its folder's entries
// regardless of the letter case of A-Z, as Windows and Wine match names, so a game folder
// copied from a disc (PRELO.ZPX) is found by the names the game uses (Prelo.zpx). The exact
// name wins where both exist; of several that differ only in case, the first in byte order.
// Parts found in no case are kept as given, so the name of a file yet to be made stays usable.
std::string FileNameAsFound(std::string_view name);

}  // namespace platform
