#include "host/runner/render_options.h"

#include <algorithm>

#include "host/runner/time_list.h"
#include "prelo/version.h"
#include "tools/console/command_line.h"
#include "tools/console/exit_status.h"

namespace host {
namespace {

console::CommandText Text() {
    console::CommandText text;
    text.name = kRunnerName;
    text.usages = {"[options]"};
    if (kPlaysByDefault) {
        text.description =
            "Plays the demo in a window, in real time with its music, as the game does. With --headless it\n"
            "plays on a virtual clock instead, as the tests do, and prints one line per captured frame:\n"
            "  frame <time ms> <FNV-1a 64 of the 640x480x3 frame> <file or ->\n";
        text.footer = "Keys, as the demo reads them from the system:\n" +
                      console::HelpEntry("1-9, 0, P", "jump to a scene") +
                      console::HelpEntry("space, return, escape, mouse buttons",
                                         "end the demo from the seventh scene on, with --key-cancel") +
                      "Closing the window ends the demo.\n";
    } else {
        text.description =
            "Plays the demo as a game host would, headless on a virtual clock (or on the real one with\n"
            "--realtime), and prints one line per captured frame:\n"
            "  frame <time ms> <FNV-1a 64 of the 640x480x3 frame> <file or ->\n";
    }
    text.exitStatus = console::PlayStatusHelp(
        {console::kPlayed, console::kUsage, console::kFilesMissing, console::kFileDamaged, console::kOutputFailed});
    return text;
}

}  // namespace

console::ParseOutcome ParseRenderOptions(const std::vector<std::string>& args, RenderOptions* options) {
    RenderOptions o = *options;
    CLI::App app;
    console::Describe(app, Text(), PRELO_VERSION);
    console::AddAssetFolder(app, &o.assetsFolder, "the sample set");
    console::AddPath(app, "--out", &o.outFolder, "DIR", "also write each captured frame there as a PNG file");
    CLI::Option* step = console::AddWhole(app, "--step", &o.frameStepMs, 1, UINT32_MAX, "MS",
                                          "one frame's step of the clock (default 40)");
    CLI::Option* fps = console::AddFramesPerSecond(app, &o.framesPerSecond, "frames at exact multiples of 1000 / N ms");
    console::AddMilliseconds(app, "--stop", &o.stopAfterMs, "end after this much time (default 125000)");
    console::AddWhole(app, "--frames", &o.maxFrames, 0, UINT32_MAX, "N",
                      "end after this many frames (default 0: no limit)");
    std::string capture;
    app.add_option("--capture", capture, "capture the frames at these times in ms")
        ->option_text("T1,T2,...")
        ->check(CLI::Validator(
            [](std::string& text) {
                std::vector<uint32_t> times;
                return ParseTimeList(text, &times) ? std::string() : "needs times in ms separated by commas";
            },
            ""));
    console::AddMilliseconds(app, "--every", &o.captureEveryMs, "capture a frame every MS of time");
    app.add_flag("--loop", o.loopMusic, "loop the music");
    app.add_flag("--key-cancel", o.keyCancel, "allow the cancel keys");
    bool ownMusic = false;
    app.add_flag("--no-host-sound", ownMusic,
                 "the host refuses the music, so the demo plays its own music file (always so in\n"
                 "real time, where it is heard through the system's sound device)");
    console::AddMilliseconds(app, "--music-length", &o.musicLengthMs,
                             "the music's length (default: that of Vuvi01.wav)");
    app.add_flag(
        "--visible,!--hidden", o.visibleWindow,
        kPlaysByDefault ? "show or hide the window (shown by default)" : "show or hide the window (hidden by default)");
    console::AddPath(app, "--demo", &o.demoName, "NAME",
                     "load another library with the demo's exports instead of Prelo");
    app.add_flag("--realtime,!--headless", o.realTime,
                 kPlaysByDefault ? "play on the real clock, one frame per step (the default), or headless on a\n"
                                   "virtual clock"
                                 : "play on the real clock, one frame per step, or headless on a virtual\n"
                                   "clock (the default)");
    console::ParseOutcome outcome = console::Parse(app, args);
    if (outcome.kind != console::ParseOutcome::kRun) return outcome;

    // Of --fps and --step, the last given holds.
    for (const CLI::Option* given : app.parse_order()) {
        if (given == fps) {
            o.framesPerSecond = fps->as<uint32_t>();
            o.frameStepMs = 1000 / o.framesPerSecond;
        } else if (given == step) {
            o.frameStepMs = step->as<uint32_t>();
            o.framesPerSecond = 0;
        }
    }
    if (!capture.empty()) ParseTimeList(capture, &o.captureTimes);
    o.hostSound = !ownMusic && !o.realTime;
    *options = o;
    return outcome;
}

}  // namespace host
