#include "host/player/player_settings.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include "host/player/user_folders.h"
#include "platform/file_write.h"
#include "platform/system_failure.h"

namespace player {
namespace {

// Far more than the file ever holds: anything larger is not this file.
constexpr size_t kLargestFile = 4096;

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

bool ParseVolume(const std::string& text, int* volume) {
    if (text.empty() || text.size() > 3) return false;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    if (value > 100) return false;
    *volume = value;
    return true;
}

}  // namespace

bool ParsePlayerSettings(const std::string& text, PlayerSettings* settings, std::string* error) {
    if (text.size() > kLargestFile || text.find('\0') != std::string::npos) {
        *error = "not a settings file";
        return false;
    }
    PlayerSettings parsed = *settings;
    std::istringstream lines(text);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        const std::string content = Trimmed(line);
        if (content.empty() || content[0] == '#') continue;
        const size_t equals = content.find('=');
        const std::string where = "line " + std::to_string(number) + ": ";
        if (equals == std::string::npos) {
            *error = where + "expected key = value";
            return false;
        }
        const std::string key = Trimmed(content.substr(0, equals));
        const std::string value = Trimmed(content.substr(equals + 1));
        bool valid = true;
        if (key == "fullscreen") {
            valid = value == "yes" || value == "no";
            parsed.fullscreen = value == "yes";
        } else if (key == "scaling") {
            valid = value == "smooth" || value == "integer";
            parsed.scaling = value == "integer" ? Scaling::kInteger : Scaling::kSmooth;
        } else if (key == "volume") {
            valid = ParseVolume(value, &parsed.volume);
        } else {
            *error = where + "unknown setting '" + key + "'";
            return false;
        }
        if (!valid) {
            *error = where + "'" + value + "' is no value for " + key;
            return false;
        }
    }
    *settings = parsed;
    return true;
}

std::string FormatPlayerSettings(const PlayerSettings& settings) {
    return "# prelo-play keeps these between runs\n"
           "fullscreen = " +
           std::string(settings.fullscreen ? "yes" : "no") +
           "\n"
           "scaling = " +
           std::string(settings.scaling == Scaling::kInteger ? "integer" : "smooth") +
           "\n"
           "volume = " +
           std::to_string(settings.volume) + "\n";
}

bool LoadPlayerSettings(const std::string& path, PlayerSettings* settings, std::string* error) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 && errno == ENOENT) return true;
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        *error = "cannot read " + path;
        return false;
    }
    std::string text(kLargestFile + 1, '\0');
    file.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<size_t>(file.gcount()));
    if (file.bad()) {
        *error = "cannot read " + path;
        return false;
    }
    if (!ParsePlayerSettings(text, settings, error)) {
        *error = path + ": " + *error;
        return false;
    }
    return true;
}

bool SavePlayerSettings(const std::string& path, const PlayerSettings& settings, std::string* error) {
    const size_t slash = path.rfind('/');
    if (slash != std::string::npos && slash > 0 && !MakeFolders(path.substr(0, slash), error)) return false;
    const std::string text = FormatPlayerSettings(settings);
    if (platform::WriteFileReplacing(path.c_str(), text.data(), text.size())) return true;
    *error = "cannot write " + path + ": " + platform::DescribeLastSystemFailure();
    return false;
}

}  // namespace player
