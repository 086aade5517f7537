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
    return "usage: prelo-render [--assets DIR] [--out DIR] [--step MS | --fps N] [--stop MS] [--frames N]\n"
           "                    [--capture T1,T2,...] [--every MS] [--loop] [--key-cancel] [--no-host-sound]\n"
           "                    [--music-length MS] [--visible | --hidden] [--demo NAME] [--realtime]\n"
           "       prelo-render --help | --version\n"
           "Plays the demo headless on a virtual clock (or on the real one with --realtime) and prints\n"
           "one line per captured frame:\n"
           "  frame <time ms> <FNV-1a 64 of the 640x480x3 frame> <file or ->\n";
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
        else if (name == "--step")
            ok = number(&o.frameStepMs);
        else if (name == "--stop")
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
            if (ok) o.frameStepMs = 1000 / fps;
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
