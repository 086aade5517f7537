// prelo-assets: lists, extracts, checks and repacks the demo's picture archive and movie.
#include <cstdio>
#include <cstring>
#include <string>

#include "prelo/version.h"
#include "tools/assets/commands.h"

namespace {

constexpr const char* kUsage =
    "Usage: prelo-assets COMMAND ARGUMENTS\n"
    "Lists, extracts, checks and repacks the demo's picture archive (Prelo.zpx) and movie\n"
    "(Prelo.moz, PreloM.moz), byte for byte.\n"
    "\n"
    "Commands:\n"
    "  info FILE [--json] [--frames]   what an archive, movie or WAV file holds: for an archive every\n"
    "                                  entry's offset, size, format and size in pixels; for a movie the\n"
    "                                  frame size and count (--frames: every frame's payload size)\n"
    "  extract ARCHIVE DIR [--force]   every picture as DIR/cg_NNN.png (RGB, RGBA, or a palette PNG\n"
    "                                  for 8-bit pictures), DIR/manifest.json and a copy of the archive\n"
    "  pack DIR ARCHIVE [--allow-resize]\n"
    "                                  writes the archive from the folder: unchanged pictures keep their\n"
    "                                  bytes, changed ones are encoded in their entry's format; every\n"
    "                                  changed picture is checked first (size, colours, alpha)\n"
    "  movie-extract MOVIE DIR [--mp4 FILE] [--force]\n"
    "                                  every frame as DIR/frame_NNNNN.png (8-bit palette), a manifest\n"
    "                                  and a copy of the movie; --mp4 also writes a video with ffmpeg\n"
    "  movie-pack DIR MOVIE            writes a movie from the folder's frame PNGs; unchanged frames\n"
    "                                  keep their bytes when the folder came from movie-extract\n"
    "\n"
    "Options:\n"
    "  --help      this text\n"
    "  --version   the program's version\n"
    "\n"
    "Output files are written under a temporary name and replace their target only when complete.\n"
    "Exit status: 0 done, 1 refused or failed (one line a reason), 2 misused.\n";

int Misused(const std::string& why) {
    std::fprintf(stderr, "prelo-assets: %s\nTry 'prelo-assets --help'.\n", why.c_str());
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    assetkit::CommandArgs args;
    std::string command;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (arg == "--version") {
            std::printf("prelo-assets %s\n", PRELO_VERSION);
            return 0;
        }
        if (arg == "--json")
            args.json = true;
        else if (arg == "--frames")
            args.frames = true;
        else if (arg == "--allow-resize")
            args.allowResize = true;
        else if (arg == "--force")
            args.force = true;
        else if (arg == "--mp4") {
            if (++i >= argc) return Misused("--mp4 needs a file name");
            args.mp4 = argv[i];
        } else if (arg.size() > 1 && arg[0] == '-') {
            return Misused("unknown option " + arg);
        } else if (command.empty()) {
            command = arg;
        } else {
            args.operands.push_back(arg);
        }
    }
    struct Command {
        const char* name;
        size_t operands;
        int (*run)(const assetkit::CommandArgs&);
    };
    static constexpr Command kCommands[] = {{"info", 1, assetkit::RunInfo},
                                            {"extract", 2, assetkit::RunExtract},
                                            {"pack", 2, assetkit::RunPack},
                                            {"movie-extract", 2, assetkit::RunMovieExtract},
                                            {"movie-pack", 2, assetkit::RunMoviePack}};
    if (command.empty()) return Misused("no command given");
    for (const Command& known : kCommands) {
        if (command != known.name) continue;
        if (args.operands.size() != known.operands) {
            return Misused(command + " takes " + std::to_string(known.operands) +
                           (known.operands == 1 ? " file" : " arguments"));
        }
        return known.run(args);
    }
    return Misused("unknown command " + command);
}
