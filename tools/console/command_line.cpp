#include "tools/console/command_line.h"

#include <algorithm>
#include <cstdio>
#include <memory>

namespace console {
namespace {

constexpr size_t kNameColumn = 24;

// A plain decimal number within [low, high]: no sign but a leading '-' where low allows it, no
// spaces, no exponent.
bool ParseWhole(const std::string& text, int64_t low, int64_t high, int64_t* value) {
    const bool negative = !text.empty() && text[0] == '-';
    const size_t first = negative ? 1 : 0;
    if (text.size() == first || text.size() - first > 10) return false;
    int64_t parsed = 0;
    for (size_t i = first; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        parsed = parsed * 10 + (text[i] - '0');
    }
    if (negative) parsed = -parsed;
    if (parsed < low || parsed > high) return false;
    *value = parsed;
    return true;
}

CLI::Validator WholeNumber(int64_t low, int64_t high) {
    const std::string words = "takes a whole number from " + std::to_string(low) + " to " + std::to_string(high);
    return CLI::Validator(
        [low, high, words](std::string& text) {
            int64_t value = 0;
            return ParseWhole(text, low, high, &value) ? std::string() : words + ", not '" + text + "'";
        },
        "");
}

// A flag and its negation as a person writes them: "--visible, --hidden", not CLI11's
// "--visible,--hidden{false}".
std::string ShownNames(const std::string& names) {
    std::string shown;
    bool inDefault = false;
    for (char c : names) {
        if (c == '{' || c == '}') {
            inDefault = c == '{';
        } else if (!inDefault) {
            shown += c == ',' ? std::string(", ") : std::string(1, c);
        }
    }
    return shown;
}

// The help as help2man reads it: "Usage:" lines first, option lines indented with the help two
// or more spaces on, other paragraphs under a heading that ends in a colon.
class HelpLayout : public CLI::Formatter {
public:
    explicit HelpLayout(CommandText text) : text_(std::move(text)) {}

    std::string make_help(const CLI::App* app, std::string, CLI::AppFormatMode mode) const override {
        std::string out;
        if (app->get_parent() != nullptr) {
            // One command of several: its own usage, description and options.
            out = "Usage: " + text_.name + " " + SubcommandUsage(app) + "\n" + app->get_description() + "\n";
            return out + make_groups(app, mode);
        }
        for (size_t i = 0; i < text_.usages.size(); ++i) {
            out += (i == 0 ? "Usage: " : "  or:  ") + text_.name + " " + text_.usages[i] + "\n";
        }
        out += text_.description;
        out += make_subcommands(app, mode);
        out += make_groups(app, mode);
        if (!text_.footer.empty()) out += "\n" + text_.footer;
        out += "\n" + text_.exitStatus;
        // CLI11 opens every group with an empty line and puts one between groups as well.
        for (size_t at; (at = out.find("\n\n\n")) != std::string::npos;) out.erase(at, 1);
        return out;
    }

    std::string make_subcommands(const CLI::App* app, CLI::AppFormatMode) const override {
        const std::vector<const CLI::App*> commands = app->get_subcommands({});
        if (commands.empty()) return std::string();
        std::string out = "\nCommands:\n";
        for (const CLI::App* command : commands) {
            out += HelpEntry(SubcommandUsage(command), command->get_description());
        }
        return out;
    }

    std::string make_option(const CLI::Option* option, bool positional) const override {
        return HelpEntry(make_option_name(option, positional) + make_option_opts(option), make_option_desc(option));
    }

    std::string make_option_name(const CLI::Option* option, bool positional) const override {
        return positional ? option->get_name(true, false) : ShownNames(option->get_name(false, true));
    }

    std::string make_option_opts(const CLI::Option* option) const override {
        return option->get_option_text().empty() ? std::string() : " " + option->get_option_text();
    }

private:
    // "info FILE [--json] [--frames]"
    static std::string SubcommandUsage(const CLI::App* command) {
        std::string usage = command->get_name();
        for (const CLI::Option* option : command->get_options()) {
            if (option == command->get_help_ptr()) continue;
            if (option->get_positional()) {
                usage += " " + option->get_name(true, false);
            } else {
                const std::string value = option->get_option_text();
                usage += " [" + ShownNames(option->get_name(false, true)) + (value.empty() ? "" : " " + value) + "]";
            }
        }
        return usage;
    }

    CommandText text_;
};

// A refusal is said in one line whatever CLI11's reason holds, and a missing value in words
// ("--fps needs a value" for CLI11's "--fps: 1 required UINT missing").
std::string OneLine(std::string text) {
    std::replace(text.begin(), text.end(), '\n', ' ');
    while (!text.empty() && text.back() == ' ') text.pop_back();
    const size_t colon = text.find(": ");
    const size_t required = text.find(" required ");
    const bool missing = text.size() > 8 && text.compare(text.size() - 8, 8, " missing") == 0;
    if (colon != std::string::npos && required != std::string::npos && missing && text.find(' ') == colon + 1) {
        return text.substr(0, colon) + " needs a value";
    }
    return text;
}

}  // namespace

std::string HelpEntry(const std::string& name, const std::string& help) {
    std::string out = "  " + name;
    if (out.size() + 2 > kNameColumn) {
        out += "\n" + std::string(kNameColumn, ' ');
    } else {
        out += std::string(kNameColumn - out.size(), ' ');
    }
    for (char c : help) {
        out += c;
        if (c == '\n') out += std::string(kNameColumn, ' ');
    }
    return out + "\n";
}

void Describe(CLI::App& app, const CommandText& text, const std::string& version) {
    app.name(text.name);
    // An option given twice takes its last value, as a shell alias followed by a correction expects.
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    // On Windows CLI11 would read "/out" as an option; the commands' options are GNU-style alone,
    // and a name starting with a slash is a file, as wine hands Linux paths over.
    app.allow_windows_style_options(false);
    app.formatter(std::make_shared<HelpLayout>(text));
    app.set_help_flag("-h,--help", "this text");
    app.set_version_flag("--version", text.name + " " + version, "the version");
}

ParseOutcome Parse(CLI::App& app, const std::vector<std::string>& args) {
    // CLI11 takes its arguments last first.
    std::vector<std::string> reversed(args.rbegin(), args.rend());
    try {
        app.parse(std::move(reversed));
        return {ParseOutcome::kRun, std::string()};
    } catch (const CLI::CallForHelp&) {
        return {ParseOutcome::kHelp, app.help()};
    } catch (const CLI::CallForAllHelp&) {
        return {ParseOutcome::kHelp, app.help()};
    } catch (const CLI::CallForVersion& version) {
        return {ParseOutcome::kVersion, std::string(version.what()) + "\n"};
    } catch (const CLI::ParseError& error) {
        // A help flag after a subcommand's name asks for that command's help.
        for (const CLI::App* command : app.get_subcommands()) {
            if (command->get_help_ptr() != nullptr && command->get_help_ptr()->count() > 0) {
                return {ParseOutcome::kHelp, command->help()};
            }
        }
        return {ParseOutcome::kRefused, OneLine(error.what())};
    }
}

int FinishParse(const std::string& name, const ParseOutcome& outcome, int usageStatus) {
    switch (outcome.kind) {
        case ParseOutcome::kRun:
            return -1;
        case ParseOutcome::kHelp:
        case ParseOutcome::kVersion:
            std::fputs(outcome.text.c_str(), stdout);
            return 0;
        case ParseOutcome::kRefused:
            break;
    }
    std::fprintf(stderr, "%s: %s\nTry '%s --help'.\n", name.c_str(), outcome.text.c_str(), name.c_str());
    return usageStatus;
}

CLI::Option* AddWhole(CLI::App& app, const std::string& name, uint32_t* value, uint32_t low, uint32_t high,
                      const std::string& valueName, const std::string& help) {
    return app.add_option(name, *value, help + ", " + std::to_string(low) + " to " + std::to_string(high))
        ->check(WholeNumber(low, high))
        ->option_text(valueName);
}

CLI::Option* AddSigned(CLI::App& app, const std::string& name, int32_t* value, const std::string& valueName,
                       const std::string& help) {
    return app.add_option(name, *value, help)->check(WholeNumber(-INT32_MAX, INT32_MAX))->option_text(valueName);
}

CLI::Option* AddMilliseconds(CLI::App& app, const std::string& name, uint32_t* value, const std::string& help) {
    return app.add_option(name, *value, help)->check(WholeNumber(0, UINT32_MAX))->option_text("MS");
}

CLI::Option* AddFramesPerSecond(CLI::App& app, uint32_t* value, const std::string& help) {
    return AddWhole(app, "--fps", value, 1, 1000, "N", help);
}

CLI::Option* AddPath(CLI::App& app, const std::string& name, std::string* value, const std::string& valueName,
                     const std::string& help) {
    return app.add_option(name, *value, help)
        ->check(CLI::Validator([](std::string& text) { return text.empty() ? "needs a name" : std::string(); }, ""))
        ->option_text(valueName);
}

CLI::Option* AddAssetFolder(CLI::App& app, std::string* value, const std::string& defaultWords) {
    return AddPath(app, "--assets", value, "DIR", "the folder of the demo's files (default: " + defaultWords + ")");
}

}  // namespace console
