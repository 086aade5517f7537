#pragma once

#include <initializer_list>
#include <string>

// How each command ends, in one place: the programs return these, and their --help (and so
// their manual pages) lists them from here.
namespace console {

// prelo-play, prelo-render and the Windows host.
enum PlayStatus : int {
    kPlayed = 0,        // played or rendered to the end, or stopped by the person watching
    kUsage = 1,         // the command line was not understood
    kFilesMissing = 2,  // the demo's files or its libraries are missing, or --override was refused
    kFileDamaged = 3,   // the demo did not start, or stopped part-way, on a damaged file
    kOutputFailed = 4,  // an output folder or file could not be made or written
    kNoDisplay = 5,     // no display to open a window on
};

// prelo-assets, whose callers already know these numbers.
enum AssetStatus : int {
    kAssetsDone = 0,
    kAssetsRefused = 1,  // a file was refused or could not be written, with one line a reason
    kAssetsMisused = 2,  // the command line was not understood
};

// The "Exit status:" paragraph of a command's help, listing the given statuses of its table.
std::string PlayStatusHelp(std::initializer_list<PlayStatus> statuses);
std::string AssetStatusHelp();

}  // namespace console
