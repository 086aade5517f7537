#pragma once

#include <string>

namespace platform::detail {

// The Wine prefix folder whose registry and drives stand in for the Windows ones: $WINEPREFIX,
// else ~/.wine, as Wine itself chooses.
std::string WinePrefixFolder();

}  // namespace platform::detail
