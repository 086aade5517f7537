#pragma once

#include <CLI/CLI.hpp>
#include <cstdint>
#include <string>
#include <vector>

#include "tools/console/parse_outcome.h"

// Command lines through CLI11: each option is written once, with its name, its range and its
// help, and the help text (from which the manual pages are made) and the refusals come from that.
namespace console {

// What a command says of itself around its options.
struct CommandText {
    std::string name;                 // "prelo-play"
    std::vector<std::string> usages;  // what follows "Usage: <name> " on each line
    std::string description;          // a paragraph of lines under 100 columns
    std::string footer;               // after the options: keys, files
    std::string exitStatus;           // from exit_status.h
};

// Gives app the command's help layout (usage, description, option groups, footer, exit statuses:
// the shape help2man makes a manual page of), --help and --version.
void Describe(CLI::App& app, const CommandText& text, const std::string& version);

// One entry of a help text, "  name      help", in the column the options use: for the keys and
// files a command lists after its options.
std::string HelpEntry(const std::string& name, const std::string& help);

// Parses the arguments after the program's name. Never throws.
ParseOutcome Parse(CLI::App& app, const std::vector<std::string>& args);

// Options that mean the same in every command take the same values: these add them.
// A whole number from low to high; the help ends with the range ("..., 1 to 1000").
CLI::Option* AddWhole(CLI::App& app, const std::string& name, uint32_t* value, uint32_t low, uint32_t high,
                      const std::string& valueName, const std::string& help);
CLI::Option* AddSigned(CLI::App& app, const std::string& name, int32_t* value, const std::string& valueName,
                       const std::string& help);
// A time in milliseconds, 0 to 4294967295.
CLI::Option* AddMilliseconds(CLI::App& app, const std::string& name, uint32_t* value, const std::string& help);
// Frames per second, 1 to 1000.
CLI::Option* AddFramesPerSecond(CLI::App& app, uint32_t* value, const std::string& help);
// A file or folder name, never empty.
CLI::Option* AddPath(CLI::App& app, const std::string& name, std::string* value, const std::string& valueName,
                     const std::string& help);
// The folder of the demo's files.
CLI::Option* AddAssetFolder(CLI::App& app, std::string* value, const std::string& defaultWords);

}  // namespace console
