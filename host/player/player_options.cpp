#include "host/player/player_options.h"

#include "prelo/version.h"
#include "tools/console/command_line.h"
#include "tools/console/exit_status.h"

namespace player {
namespace {

console::CommandText Text() {
    console::CommandText text;
    text.name = "prelo-play";
    text.usages = {"[options]", "--render OUT [options]"};
    text.description = "Plays the demo in a window with sound, or renders it to files.\n";
    using console::HelpEntry;
    text.footer =
        "The player's keys:\n" + HelpEntry("Q, closing the window", "quit") +
        HelpEntry("Escape", "quit, unless --key-cancel gives it to the demo") +
        HelpEntry("Pause, Ctrl+P", "pause and resume; the music clock stops with the picture") +
        HelpEntry(". (period)", "while paused, step one frame") + HelpEntry("M", "mute and unmute") +
        HelpEntry("+ and -", "volume up and down") + HelpEntry("F11, Alt+Enter", "fullscreen and back") +
        HelpEntry("S", "smooth or integer scaling") +
        HelpEntry("F12", "screenshot, into $XDG_PICTURES_DIR/Prelo (else ~/Pictures/Prelo)") +
        HelpEntry("F1", "overlay: music time, scene and frame rate") +
        "\nThe demo's keys, which the player's keys never reach:\n" +
        HelpEntry("1-9, 0, P", "jump to a scene (when the demo plays the music itself, --music 0)") +
        HelpEntry("space, return, escape, mouse buttons", "end the demo from the seventh scene on, with --key-cancel") +
        "\nFiles:\n" +
        HelpEntry("$XDG_CONFIG_HOME/prelo/player.ini (else ~/.config/prelo/player.ini)",
                  "fullscreen, scaling and volume, as the keys last left them");
    text.exitStatus = console::PlayStatusHelp({console::kPlayed, console::kUsage, console::kFilesMissing,
                                               console::kFileDamaged, console::kOutputFailed, console::kNoDisplay});
    return text;
}

CLI::Validator OneOf(const std::string& first, const std::string& second) {
    return CLI::Validator(
        [first, second](std::string& text) {
            return text == first || text == second ? std::string()
                                                   : "takes " + first + " or " + second + ", not '" + text + "'";
        },
        "");
}

}  // namespace

console::ParseOutcome ParsePlayerOptions(const std::vector<std::string>& args, PlayerOptions* options) {
    PlayerOptions o = *options;
    CLI::App app;
    console::Describe(app, Text(), PRELO_VERSION);
    console::AddAssetFolder(app, &o.assetsFolder, "the generated sample set");
    CLI::Option* override =
        console::AddPath(app, "--override", &o.overrideFolder, "DIR",
                         "pictures DIR/cg_NNN.png (as prelo-assets extracts them) replace the archive's\n"
                         "for this run, checked as prelo-assets pack checks them; no file is changed");
    CLI::Option* watch = app.add_flag("--watch", o.watch,
                                      "with --override: when a cg_NNN.png in DIR is written, replaced or added,\n"
                                      "check it again and play the scene that shows it from its start;\n"
                                      "a refused picture is said in one line and play goes on")
                             ->needs(override);
    bool noLoop = !o.loopMusic;
    app.add_flag("--no-loop", noLoop, "play the music once and end with it (default: loop)");
    app.add_flag("--key-cancel", o.keyCancel, "allow the demo's cancel keys");
    console::AddSigned(app, "--music", &o.musicNumber, "N",
                       "the host plays only music number N; others fall back to the demo's own player");
    app.add_flag("--fullscreen", o.fullscreen, "start fullscreen");
    std::string scale = o.scaling == Scaling::kInteger ? "integer" : "smooth";
    app.add_option("--scale", scale, "smooth (default) or integer scaling, aspect kept")
        ->option_text("MODE")
        ->check(OneOf("smooth", "integer"));
    app.add_flag("--overlay", o.overlay, "show the overlay from the start");
    app.add_flag("--print-overlay", o.overlayToTerminal,
                 "write the overlay's line on standard error too: in place on a terminal,\n"
                 "a line a scene elsewhere");

    const std::string rendering = "Rendering, without a window";
    console::AddPath(app, "--render", &o.renderFolder, "OUT",
                     "render to OUT/prelo.mp4 (with ffmpeg) and OUT/contact-sheet.png")
        ->group(rendering)
        ->excludes(watch);
    console::AddFramesPerSecond(app, &o.fps, "frames per second (default 30)")->group(rendering);
    console::AddMilliseconds(app, "--from", &o.fromMs, "the music time to start at (default 0)")->group(rendering);
    console::AddMilliseconds(app, "--to", &o.toMs,
                             "the music time to end before (default " + std::to_string(kTimelineEndMs) + ")")
        ->group(rendering);
    app.add_flag("--png", o.pngFrames, "also write every frame as OUT/frames/frame_NNNNN.png")->group(rendering);
    bool noVideo = !o.video;
    app.add_flag("--no-video", noVideo, "no video")->group(rendering);
    bool noSheet = !o.contactSheet;
    app.add_flag("--no-sheet", noSheet, "no contact sheet")->group(rendering);

    console::ParseOutcome outcome = console::Parse(app, args);
    if (outcome.kind != console::ParseOutcome::kRun) return outcome;
    if (o.toMs <= o.fromMs) return {console::ParseOutcome::kRefused, "--to must come after --from"};
    o.loopMusic = !noLoop;
    o.video = !noVideo;
    o.contactSheet = !noSheet;
    o.scaling = scale == "integer" ? Scaling::kInteger : Scaling::kSmooth;
    *options = o;
    return outcome;
}

}  // namespace player
