#pragma once

#include <string>

namespace console {

// What reading a command line came to.
struct ParseOutcome {
    enum Kind { kRun, kHelp, kVersion, kRefused } kind = kRun;
    std::string text;  // the help, the version line, or the one-line reason for a refusal
};

// Says what is to be said of an outcome: help and version on standard output, a refusal as
// "<name>: <reason>" and a pointer to --help on standard error. Returns the status to exit with
// then (0, or usageStatus for a refusal), or -1 when the command is to run.
int FinishParse(const std::string& name, const ParseOutcome& outcome, int usageStatus);

}  // namespace console
