#include "tools/console/exit_status.h"

namespace console {
namespace {

const char* Meaning(PlayStatus status) {
    switch (status) {
        case kPlayed:
            return "played or rendered to the end, or ended by its keys or its window";
        case kUsage:
            return "the command line was not understood";
        case kFilesMissing:
            return "the demo's files or libraries are missing, or were refused";
        case kFileDamaged:
            return "a file of the demo is damaged: the demo did not start, or stopped part-way";
        case kOutputFailed:
            return "an output folder or file could not be made or written";
        case kNoDisplay:
            return "no display to open a window on";
    }
    return "";
}

std::string Line(int status, const char* meaning) { return "  " + std::to_string(status) + "   " + meaning + "\n"; }

}  // namespace

std::string PlayStatusHelp(std::initializer_list<PlayStatus> statuses) {
    std::string text = "Exit status:\n";
    for (PlayStatus status : statuses) text += Line(status, Meaning(status));
    return text;
}

std::string AssetStatusHelp() {
    return "Exit status:\n" + Line(kAssetsDone, "done") +
           Line(kAssetsRefused, "refused or failed, with one line a reason") +
           Line(kAssetsMisused, "the command line was not understood");
}

}  // namespace console
