#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

// A picture named in a recorded call: "screen", or "cg<N>" for archive picture N.
struct Pic {
    std::string name;
};

inline Pic ScreenPic() { return {"screen"}; }
inline Pic Cg(int32_t index) { return {"cg" + std::to_string(index)}; }

inline std::string FormatArg(const Pic& pic) { return pic.name; }
inline std::string FormatArg(int32_t value) { return std::to_string(value); }
inline std::string FormatArg(float value) {
    char text[32];
    std::snprintf(text, sizeof(text), "%.9g", static_cast<double>(value));
    return text;
}

// One drawing call as text, "Name(arg, arg, ...)", so that a recorded frame and the expected one
// compare as lists of strings and a mismatch prints readably.
template <typename... Args>
std::string Call(const char* name, const Args&... args) {
    std::string text = std::string(name) + "(";
    bool first = true;
    ((text += (first ? "" : ", ") + FormatArg(args), first = false), ...);
    return text + ")";
}
