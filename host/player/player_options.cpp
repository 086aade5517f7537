#include "host/player/player_options.h"

#include <cerrno>
#include <cstdlib>

namespace player {
namespace {

bool ParseNumber(const std::string& text, int64_t low, int64_t high, int64_t* value) {
    if (text.empty()) return false;
    for (size_t i = (text[0] == '-' ? 1 : 0); i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
    }
    if (text == "-") return false;
    errno = 0;
    long long parsed = std::strtoll(text.c_str(), nullptr, 10);
    if (errno != 0 || parsed < low || parsed > high) return false;
    *value = parsed;
    return true;
}

}  // namespace

bool ParsePlayerOptions(const std::vector<std::string>& args, PlayerOptions* options, std::string* error) {
    PlayerOptions parsed = *options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&](std::string* out) {
            if (i + 1 >= args.size()) {
                *error = arg + " needs a value";
                return false;
            }
            *out = args[++i];
            return true;
        };
        auto number = [&](int64_t low, int64_t high, int64_t* out) {
            std::string text;
            if (!value(&text)) return false;
            if (!ParseNumber(text, low, high, out)) {
                *error = arg + " takes a whole number from " + std::to_string(low) + " to " + std::to_string(high) +
                         ", not '" + text + "'";
                return false;
            }
            return true;
        };
        int64_t n = 0;
        std::string text;
        if (arg == "--help" || arg == "-h") {
            parsed.help = true;
        } else if (arg == "--version") {
            parsed.version = true;
        } else if (arg == "--assets") {
            if (!value(&parsed.assetsFolder)) return false;
        } else if (arg == "--override") {
            if (!value(&parsed.overrideFolder)) return false;
        } else if (arg == "--no-loop") {
            parsed.loopMusic = false;
        } else if (arg == "--key-cancel") {
            parsed.keyCancel = true;
        } else if (arg == "--music") {
            if (!number(-2147483647LL, 2147483647LL, &n)) return false;
            parsed.musicNumber = static_cast<int32_t>(n);
        } else if (arg == "--fullscreen") {
            parsed.fullscreen = true;
        } else if (arg == "--scale") {
            if (!value(&text)) return false;
            if (text == "smooth") {
                parsed.scaling = Scaling::kSmooth;
            } else if (text == "integer") {
                parsed.scaling = Scaling::kInteger;
            } else {
                *error = "--scale takes smooth or integer, not '" + text + "'";
                return false;
            }
        } else if (arg == "--overlay") {
            parsed.overlay = true;
        } else if (arg == "--render") {
            if (!value(&parsed.renderFolder)) return false;
            if (parsed.renderFolder.empty()) {
                *error = "--render needs a folder";
                return false;
            }
        } else if (arg == "--fps") {
            if (!number(1, 240, &n)) return false;
            parsed.fps = static_cast<uint32_t>(n);
        } else if (arg == "--from") {
            if (!number(0, 0xFFFFFFFFLL, &n)) return false;
            parsed.fromMs = static_cast<uint32_t>(n);
        } else if (arg == "--to") {
            if (!number(0, 0xFFFFFFFFLL, &n)) return false;
            parsed.toMs = static_cast<uint32_t>(n);
        } else if (arg == "--no-video") {
            parsed.video = false;
        } else if (arg == "--png") {
            parsed.pngFrames = true;
        } else if (arg == "--no-sheet") {
            parsed.contactSheet = false;
        } else {
            *error = "unknown option '" + arg + "'";
            return false;
        }
    }
    if (parsed.toMs <= parsed.fromMs) {
        *error = "--to must come after --from";
        return false;
    }
    *options = parsed;
    return true;
}

const std::string& PlayerUsage() {
    static const std::string usage =
        "Usage: prelo-play [options]\n"
        "  or:  prelo-play --render OUT [render options]\n"
        "Plays the demo in a window with sound, or renders it to files.\n"
        "\n"
        "The demo's keys:\n"
        "  1-9, 0, P         jump to a scene (when the demo plays the music itself, --music 0)\n"
        "  space, return, escape, mouse buttons\n"
        "                    end the demo, when cancelling is allowed (--key-cancel)\n"
        "\n"
        "The player's keys:\n"
        "  Pause, Ctrl+P     pause and resume; the music clock stops with the picture\n"
        "  . (period)        while paused, step one frame\n"
        "  M                 mute and unmute\n"
        "  + and -           volume up and down\n"
        "  F11, Alt+Enter    fullscreen and back\n"
        "  S                 smooth or integer scaling\n"
        "  F12               screenshot, into $XDG_PICTURES_DIR/Prelo (else ~/Pictures/Prelo)\n"
        "  F1                overlay: music time, scene and frame rate\n"
        "\n"
        "Fullscreen, scaling and volume are remembered in $XDG_CONFIG_HOME/prelo/player.ini\n"
        "(else ~/.config/prelo/player.ini).\n"
        "\n"
        "Options:\n"
        "  --assets DIR      the demo's files (default: the generated sample set)\n"
        "  --override DIR    pictures DIR/cg_NNN.png (as prelo-assets extracts them) replace the archive's\n"
        "                    for this run, checked as prelo-assets pack checks them; no file is changed\n"
        "  --no-loop         play the music once and end with it (default: loop)\n"
        "  --key-cancel      allow the cancel keys\n"
        "  --music N         the host plays only music number N; others fall back to the demo's own player\n"
        "  --fullscreen      start fullscreen\n"
        "  --scale MODE      smooth (default) or integer scaling, aspect kept\n"
        "  --overlay         show the overlay from the start\n"
        "\n"
        "Rendering, without a window:\n"
        "  --render OUT      render to OUT/prelo.mp4 (with ffmpeg) and OUT/contact-sheet.png\n"
        "  --fps N           frames per second (default 30)\n"
        "  --from MS --to MS the range of music time (default 0 to " +
        std::to_string(kTimelineEndMs) +
        ")\n"
        "  --png             also write every frame as OUT/frames/frame_NNNNN.png\n"
        "  --no-video        no video\n"
        "  --no-sheet        no contact sheet\n"
        "  --help            this text\n"
        "  --version         the version\n";
    return usage;
}

}  // namespace player
