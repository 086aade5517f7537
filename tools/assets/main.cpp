// prelo-assets: lists, extracts, checks and repacks the demo's picture archive and movie.
// The exit statuses are console::AssetStatus.
#include <algorithm>
#include <string>
#include <vector>

#include "prelo/version.h"
#include "tools/assets/commands.h"
#include "tools/console/command_line.h"
#include "tools/console/exit_status.h"
#ifdef PRELO_ASSETS_PREVIEW
#include "host/player/picture_preview.h"
#endif

namespace {

using assetkit::CommandArgs;

console::CommandText Text() {
    console::CommandText text;
    text.name = "prelo-assets";
    text.usages = {"COMMAND ARGUMENTS [options]"};
    text.description =
        "Lists, extracts, checks and repacks the demo's picture archive (Prelo.zpx) and movie\n"
        "(Prelo.moz, PreloM.moz), byte for byte.\n";
    text.footer = "Output files are written under a temporary name and replace their target only when complete.\n";
    text.exitStatus = console::AssetStatusHelp();
    return text;
}

// One command: its operands in order, and what runs it.
struct Command {
    CLI::App* app;
    std::vector<std::string> operands;
    int (*run)(const CommandArgs&);
};

Command Add(CLI::App& app, const char* name, std::vector<const char*> operandNames, int (*run)(const CommandArgs&),
            const std::string& help) {
    Command command{app.add_subcommand(name, help), std::vector<std::string>(operandNames.size()), run};
    for (size_t i = 0; i < operandNames.size(); ++i) {
        command.app->add_option(operandNames[i], command.operands[i])->required();
    }
    return command;
}

#ifdef PRELO_ASSETS_PREVIEW
int RunPreview(const CommandArgs& args) {
    return player::PreviewPicture({args.operands[0], args.operands[1], args.operands[2], args.assets});
}
#endif

}  // namespace

int main(int argc, char** argv) {
    CommandArgs args;
    CLI::App app;
    console::Describe(app, Text(), PRELO_VERSION);
    app.require_subcommand(1);
    std::vector<Command> commands;
    commands.push_back(Add(app, "info", {"FILE"}, assetkit::RunInfo,
                           "what an archive, movie or WAV file holds: for an archive every\n"
                           "entry's offset, size, format and size in pixels, and for the\n"
                           "pictures the scenes show, which scene shows them, when (music\n"
                           "time) and what for; for a movie the frame size and count"));
    commands.back().app->add_flag("--json", args.json, "the same as JSON");
    commands.back().app->add_flag("--frames", args.frames, "a movie's every frame, with its payload size");
    commands.push_back(Add(app, "extract", {"ARCHIVE", "DIR"}, assetkit::RunExtract,
                           "every picture as DIR/cg_NNN.png (RGB, RGBA, or a palette PNG\n"
                           "for 8-bit pictures), DIR/manifest.json (with info's scene, time\n"
                           "and role of each picture) and a copy of the archive"));
    commands.back().app->add_flag("--force", args.force, "extract into a folder that holds files");
    commands.push_back(Add(app, "pack", {"DIR", "ARCHIVE"}, assetkit::RunPack,
                           "writes the archive from the folder: unchanged pictures keep their\n"
                           "bytes, changed ones are encoded in their entry's format; every\n"
                           "changed picture is checked first (size, colours, alpha)"));
    commands.back().app->add_flag("--allow-resize", args.allowResize, "let a picture change its size");
    commands.push_back(Add(app, "movie-extract", {"MOVIE", "DIR"}, assetkit::RunMovieExtract,
                           "every frame as DIR/frame_NNNNN.png (8-bit palette), a manifest\n"
                           "and a copy of the movie"));
    console::AddPath(*commands.back().app, "--mp4", &args.mp4, "FILE", "also a video, with ffmpeg");
    commands.back().app->add_flag("--force", args.force, "extract into a folder that holds files");
    commands.push_back(Add(app, "movie-pack", {"DIR", "MOVIE"}, assetkit::RunMoviePack,
                           "writes a movie from the folder's frame PNGs; unchanged frames\n"
                           "keep their bytes when the folder came from movie-extract"));

#ifdef PRELO_ASSETS_PREVIEW
    commands.push_back(Add(app, "preview", {"SOURCE", "INDEX", "OUT"}, RunPreview,
                           "writes OUT, a PNG of the frame at the middle of picture INDEX's\n"
                           "time on the screen, played on the virtual clock from the start\n"
                           "of its scene; SOURCE is an archive or a folder from extract,\n"
                           "whose changed pictures are checked as pack checks them and shown"));
    console::AddPath(*commands.back().app, "--assets", &args.assets, "DIR",
                     "the movie and music to play beside it (default: the sample set)");
#endif

    const std::vector<std::string> given(argv + 1, argv + argc);
    console::ParseOutcome parsed = console::Parse(app, given);
    if (parsed.kind == console::ParseOutcome::kRefused && !app.get_subcommands().size()) {
        // No command was recognised: say which word was taken for one.
        const auto word =
            std::find_if(given.begin(), given.end(), [](const std::string& arg) { return arg[0] != '-'; });
        parsed.text = word == given.end() ? "no command given" : "unknown command '" + *word + "'";
    }
    if (const int status = console::FinishParse("prelo-assets", parsed, console::kAssetsMisused); status >= 0) {
        return status;
    }
    for (const Command& command : commands) {
        if (command.app->parsed()) {
            args.operands = command.operands;
            return command.run(args);
        }
    }
    return console::kAssetsMisused;
}
