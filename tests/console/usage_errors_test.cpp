// Every command refuses a command line it cannot use with one line that names the fault, then a
// pointer to --help, and its usage status; an option that means the same in two commands takes
// the same values in both. Its help lists every exit status.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/shell_command.h"

namespace {

struct Refusal {
    std::vector<std::string> args;
    std::string reason;
};

struct Command {
    const char* name;
    const char* program;
    int usageStatus;
    std::vector<int> statuses;  // what --help lists
    std::vector<Refusal> refusals;
};

const std::string kMs = "takes a whole number from 0 to 4294967295, not ";

const Command kCommands[] = {
    {"prelo-play",
     PRELO_PLAY,
     1,
     {0, 1, 2, 3, 4, 5},
     {
         {{"--fps"}, "--fps needs a value"},
         {{"--fps", "0"}, "--fps: takes a whole number from 1 to 1000, not '0'"},
         {{"--fps", "3x"}, "--fps: takes a whole number from 1 to 1000, not '3x'"},
         {{"--from", "-1"}, "--from: " + kMs + "'-1'"},
         {{"--to", "99999999999"}, "--to: " + kMs + "'99999999999'"},
         {{"--from", "5", "--to", "5"}, "--to must come after --from"},
         {{"--scale", "big"}, "--scale: takes smooth or integer, not 'big'"},
         {{"--render", ""}, "--render: needs a name"},
         {{"--music", "-"}, "--music: takes a whole number from -2147483647 to 2147483647, not '-'"},
         {{"--wat"}, "The following argument was not expected: --wat"},
         {{"stray"}, "The following argument was not expected: stray"},
     }},
    {"prelo-render",
     PRELO_RENDER,
     1,
     {0, 1, 2, 3, 4},
     {
         {{"--fps", "1001"}, "--fps: takes a whole number from 1 to 1000, not '1001'"},
         {{"--step", "0"}, "--step: takes a whole number from 1 to 4294967295, not '0'"},
         {{"--stop", "4294967296"}, "--stop: " + kMs + "'4294967296'"},
         {{"--frames", "12abc"}, "--frames: " + kMs + "'12abc'"},
         {{"--capture", "1,,2"}, "--capture: needs times in ms separated by commas"},
         {{"--capture"}, "--capture needs a value"},
         {{"--assets", ""}, "--assets: needs a name"},
         {{"--bogus"}, "The following argument was not expected: --bogus"},
     }},
    {"prelo-assets",
     PRELO_ASSETS,
     2,
     {0, 1, 2},
     {
         {{}, "no command given"},
         {{"bogus", "x"}, "unknown command 'bogus'"},
         {{"info"}, "FILE is required"},
         {{"pack", "pictures"}, "ARCHIVE is required"},
         {{"info", "a", "b"}, "The following argument was not expected: b"},
         {{"movie-extract", "a.moz", "out", "--mp4"}, "--mp4 needs a value"},
         {{"extract", "a.zpx", "out", "--allow-resize"}, "The following argument was not expected: --allow-resize"},
     }},
};

class UsageErrors : public ::testing::TestWithParam<Command> {};

TEST_P(UsageErrors, OneLineAPointerToHelpAndTheUsageStatus) {
    const Command& command = GetParam();
    const std::string pointer = "Try '" + std::string(command.name) + " --help'.\n";
    for (const Refusal& refusal : command.refusals) {
        // Only what goes to standard error: nothing is printed on standard output.
        const ShellResult run = RunShell(ShellCommand(command.program, refusal.args) + " 2>&1 >/dev/null");
        EXPECT_EQ(command.usageStatus, run.status) << run.output;
        EXPECT_EQ(std::string(command.name) + ": " + refusal.reason + "\n" + pointer, run.output);
    }
}

TEST_P(UsageErrors, TheHelpListsTheExitStatusesAndTheVersionNamesTheCommand) {
    const Command& command = GetParam();
    const ShellResult help = RunShell(ShellCommand(command.program, {"--help"}));
    EXPECT_EQ(0, help.status);
    EXPECT_EQ(0u, help.output.rfind("Usage: " + std::string(command.name) + " ", 0)) << help.output;
    const size_t section = help.output.find("\nExit status:\n");
    ASSERT_NE(std::string::npos, section) << help.output;
    for (int status : command.statuses) {
        EXPECT_NE(std::string::npos, help.output.find("\n  " + std::to_string(status) + "   ", section)) << status;
    }
    const ShellResult version = RunShell(ShellCommand(command.program, {"--version"}));
    EXPECT_EQ(0, version.status);
    EXPECT_EQ(0u, version.output.rfind(std::string(command.name) + " ", 0)) << version.output;
}

INSTANTIATE_TEST_SUITE_P(EveryCommand, UsageErrors, ::testing::ValuesIn(kCommands), [](const auto& info) {
    std::string name = info.param.name;
    name.erase(0, name.find('-') + 1);
    return name;
});

}  // namespace
