#include "host/runner/render_options.h"

#include <algorithm>

namespace host {
namespace {

bool ParseNumber(const std::string& text, uint32_t* value) {
    if (text.empty() || text.size() > 10) return false;
    uint64_t v = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        v = v * 10 + static_cast<uint64_t>(c - '0');
    }
    if (v > UINT32_MAX) return false;
    *value = static_cast<uint32_t>(v);
    return true;
}

bool ParseTimes(const std::string& text, std::vector<uint32_t>* times) {
    size_t start = 0;
    for (;;) {
        const size_t comma = text.find(',', start);
        uint32_t t = 0;
        if (!ParseNumber(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start), &t)) {
            return false;
        }
        times->push_back(t);
        if (comma == std::string::npos) return true;
        start = comma + 1;
    }
}

}  // namespace

const char* RenderUsage() {
    return "Usage: prelo-render [options]\n"
           "Plays the demo as a game host would, headless on a virtual clock (or on the real one with\n"
           "--realtime), and prints one line per captured frame:\n"
           "  frame <time ms> <FNV-1a 64 of the 640x480x3 frame> <file or ->\n"
           "\n"
           "Options:\n"
           "  --assets DIR        the demo's files (default: the sample set)\n"
           "  --out DIR           also write each captured frame there as a PNG file\n"
           "  --step MS           one frame's step of the clock (default 40)\n"
           "  --fps N             frames at exact multiples of 1000 / N ms, 1 to 1000\n"
           "  --stop MS           end after this much time (default 125000)\n"
           "  --frames N          end after this many frames (default: no limit)\n"
           "  --capture T1,T2,... capture the frames at these times in ms\n"
           "  --every MS          capture a frame every MS of time\n"
           "  --loop              loop the music\n"
           "  --key-cancel        allow the cancel keys\n"
           "  --no-host-sound     the host refuses the music, so the demo plays its own music file\n"
           "  --music-length MS   the music's length (default: that of Vuvi01.wav)\n"
           "  --visible, --hidden show or hide the window (shown by default on Windows only)\n"
           "  --demo NAME         load another library with the demo's exports instead of Prelo\n"
           "  --realtime          play on the real clock, one frame per step\n"
           "  --help              this text\n"
           "  --version           the version\n";
}

bool ParseRenderOptions(const std::vector<std::string>& args, RenderOptions* options, std::string* error) {
    RenderOptions o;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& name = args[i];
        const bool hasValue = i + 1 < args.size();
        const std::string value = hasValue ? args[i + 1] : std::string();
        auto number = [&](uint32_t* out) {
            if (!hasValue || !ParseNumber(value, out)) {
                *error = name + " needs a decimal number";
                return false;
            }
            ++i;
            return true;
        };
        auto text = [&](std::string* out) {
            if (!hasValue || value.empty()) {
                *error = name + " needs a value";
                return false;
            }
            *out = value;
            ++i;
            return true;
        };
        bool ok = true;
        if (name == "--assets")
            ok = text(&o.assetsFolder);
        else if (name == "--out")
            ok = text(&o.outFolder);
        else if (name == "--step") {
            ok = number(&o.frameStepMs);
            o.framesPerSecond = 0;
        } else if (name == "--stop")
            ok = number(&o.stopAfterMs);
        else if (name == "--frames")
            ok = number(&o.maxFrames);
        else if (name == "--every")
            ok = number(&o.captureEveryMs);
        else if (name == "--music-length")
            ok = number(&o.musicLengthMs);
        else if (name == "--demo")
            ok = text(&o.demoName);
        else if (name == "--loop")
            o.loopMusic = true;
        else if (name == "--key-cancel")
            o.keyCancel = true;
        else if (name == "--no-host-sound")
            o.hostSound = false;
        else if (name == "--visible")
            o.visibleWindow = true;
        else if (name == "--hidden")
            o.visibleWindow = false;
        else if (name == "--realtime")
            o.realTime = true;
        else if (name == "--help" || name == "-h")
            o.help = true;
        else if (name == "--version")
            o.version = true;
        else if (name == "--fps") {
            uint32_t fps = 0;
            ok = number(&fps);
            if (ok && (fps == 0 || fps > 1000)) {
                *error = "--fps must lie between 1 and 1000";
                ok = false;
            }
            if (ok) {
                o.frameStepMs = 1000 / fps;
                o.framesPerSecond = fps;
            }
        } else if (name == "--capture") {
            if (!hasValue || !ParseTimes(value, &o.captureTimes)) {
                *error = "--capture needs times in ms separated by commas";
                ok = false;
            }
            ++i;
        } else {
            *error = "unknown option " + name;
            ok = false;
        }
        if (!ok) return false;
    }
    if (o.frameStepMs == 0) {
        *error = "the frame step must be at least 1 ms";
        return false;
    }
    std::sort(o.captureTimes.begin(), o.captureTimes.end());
    o.captureTimes.erase(std::unique(o.captureTimes.begin(), o.captureTimes.end()), o.captureTimes.end());
    *options = o;
    return true;
}

}  // namespace host
