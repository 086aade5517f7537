#pragma once

#include <string>
#include <vector>

// The subcommands of prelo-assets. Each returns the process's exit status: 0 done, 1 refused or
// failed (with one line a reason on standard error), 2 misused.
namespace assetkit {

struct CommandArgs {
    std::vector<std::string> operands;
    bool json = false;         // info --json
    bool frames = false;       // info --frames
    bool allowResize = false;  // pack --allow-resize
    bool force = false;        // extract into a folder that holds files
    std::string mp4;           // movie-extract --mp4 FILE
    std::string assets;        // preview --assets DIR
};

int RunInfo(const CommandArgs& args);
int RunExtract(const CommandArgs& args);
int RunPack(const CommandArgs& args);
int RunMovieExtract(const CommandArgs& args);
int RunMoviePack(const CommandArgs& args);

// Prints "prelo-assets: <line>" on standard error; returns 1.
int Fail(const std::string& line);

}  // namespace assetkit
