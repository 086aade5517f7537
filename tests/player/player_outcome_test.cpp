// How the player and the renderer end where people first meet them. Without a display the player
// stops at once and says so. The demo's files as people bring them (copied from a disc in
// capitals, cut short, damaged or missing) play, or stop the run with a line that names the file
// and what is wrong with it and the exit status for it; a render that fails leaves no empty
// output folder behind.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/shell_command.h"

namespace {

namespace fs = std::filesystem;

const fs::path kSamples = PRELO_SAMPLE_ASSETS_DIR;
const char* const kFiles[] = {"Prelo.zpx", "Prelo.moz", "Vuvi01.wav", "Prelo.ini"};

void Write(const fs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

uint32_t U32At(const fs::path& path, std::streamoff offset) {
    unsigned char b[4] = {};
    std::ifstream file(path, std::ios::binary);
    file.seekg(offset);
    file.read(reinterpret_cast<char*>(b), 4);
    return b[0] | b[1] << 8 | b[2] << 16 | static_cast<uint32_t>(b[3]) << 24;
}

// The movie's frame count, and where its frame 5 starts: a copy cut there lacks frames 5 on.
const uint32_t kMovieFrames = U32At(kSamples / "Prelo.moz", 4);
const uint32_t kFrame5 = U32At(kSamples / "Prelo.moz", 20 + 5 * 8);

struct FolderCase {
    const char* what;
    std::function<void(const fs::path&)> edit;
    int status;
    const char* playerSays;    // in the player's output, after "prelo-play: "
    const char* rendererSays;  // the same of prelo-render, or null where it plays on regardless
};

void PrintTo(const FolderCase& c, std::ostream* out) { *out << c.what; }

std::string Upper(std::string name) {
    for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return name;
}

const FolderCase kCases[] = {
    {"names in capitals, as a disc or a FAT drive has them",
     [](const fs::path& f) {
         for (const char* name : kFiles) fs::rename(f / name, f / Upper(name));
     },
     0, "", ""},
    {"a movie cut short", [](const fs::path& f) { fs::resize_file(f / "Prelo.moz", kFrame5); }, 3,
     "Prelo.moz: the movie is cut short at frame 5 of ", "Prelo.moz: the movie is cut short at frame 5 of "},
    {"no picture archive", [](const fs::path& f) { Write(f / "Prelo.zpx", "not an archive at all"); }, 3,
     "Prelo.zpx: not a picture archive", "Prelo.zpx: not a picture archive"},
    {"a damaged archive index", [](const fs::path& f) { Write(f / "Prelo.zpx", "ZPX0 this is not an index"); }, 3,
     "Prelo.zpx: damaged (the index", "Prelo.zpx: damaged (the index"},
    {"music that is no wave file", [](const fs::path& f) { Write(f / "Vuvi01.wav", "RIFF....WAVE"); }, 3,
     "Vuvi01.wav: the music is unreadable", nullptr},
    {"music cut short",
     [](const fs::path& f) { fs::resize_file(f / "Vuvi01.wav", fs::file_size(f / "Vuvi01.wav") * 9 / 10); }, 0,
     "Vuvi01.wav holds ", "Vuvi01.wav holds "},
    {"no music", [](const fs::path& f) { fs::remove(f / "Vuvi01.wav"); }, 2, "lacks Vuvi01.wav", nullptr},
    {"no folder at all", [](const fs::path& f) { fs::remove_all(f); }, 2, "there is no folder ", "there is no folder "},
};

// Whether a line of the output starts with the program's name and holds the words.
bool Says(const std::string& output, const std::string& program, const std::string& words) {
    for (size_t start = 0; start < output.size();) {
        const size_t end = std::min(output.find('\n', start), output.size());
        const std::string line = output.substr(start, end - start);
        if (line.rfind(program + ": ", 0) == 0 && line.find(words) != std::string::npos) return true;
        start = end + 1;
    }
    return false;
}

// The frame the renderer captures at 65000 ms (the movie's fifth frame on screen) from the sample set itself.
std::string FrameLine(const std::string& output) {
    const size_t at = output.find("frame 65000 ");
    return at == std::string::npos ? std::string() : output.substr(at, 29);
}

class GameFolder : public ::testing::TestWithParam<FolderCase> {};

TEST_P(GameFolder, PlaysOrNamesTheFileAtFault) {
    if (!fs::exists(kSamples / "Prelo.zpx")) GTEST_SKIP() << "no sample assets built";
    const FolderCase& c = GetParam();
    const fs::path work = fs::absolute("game_folder_test");
    const fs::path folder = work / "game", out = work / "out";
    fs::remove_all(work);
    fs::create_directories(folder);
    for (const char* name : kFiles) fs::copy_file(kSamples / name, folder / name);
    c.edit(folder);

    struct Program {
        const char* name;
        std::vector<std::string> args;  // from just before the movie into it, so that frame 5 is asked for
        const char* says;
    } programs[] = {
        {"prelo-play",
         {PRELO_PLAY, "--render", (out / "deep").string(), "--assets", folder.string(), "--from", "64000", "--to",
          "66000", "--fps", "10", "--no-video"},
         c.playerSays},
        {"prelo-render",
         {PRELO_RENDER, "--out", (out / "deep").string(), "--assets", folder.string(), "--step", "100", "--stop",
          "66000", "--capture", "65000"},
         c.rendererSays},
    };
    static const std::string kReference =
        FrameLine(RunShell(ShellCommand(PRELO_RENDER, {"--assets", kSamples.string(), "--step", "100", "--stop",
                                                       "66000", "--capture", "65000"}))
                      .output);
    ASSERT_FALSE(kReference.empty());
    for (const Program& program : programs) {
        if (program.says == nullptr) continue;
        const ShellResult run =
            RunShell(ShellCommand(program.args[0], {program.args.begin() + 1, program.args.end()}) + " 2>&1");
        const std::string where = std::string(program.name) + ", " + c.what + ":\n" + run.output;
        EXPECT_EQ(c.status, run.status) << where;
        if (*program.says != '\0') {
            EXPECT_TRUE(Says(run.output, program.name, program.says)) << where;
        }
        if (c.status == 0 && program.args[0] == PRELO_RENDER) {
            EXPECT_EQ(kReference, FrameLine(run.output)) << where;
        }
        std::error_code missing;
        if (fs::exists(out)) {
            EXPECT_FALSE(fs::is_empty(out / "deep", missing) || missing) << where << "empty folders left";
        }
        fs::remove_all(out);
    }
    fs::remove_all(work);
}

INSTANTIATE_TEST_SUITE_P(People, GameFolder, ::testing::ValuesIn(kCases));

// Over ssh or on a console, with nothing in the environment that names a display: one line and
// the status, where the player used to play unseen for ever (the timeout only stops a hang).
TEST(NoDisplay, ThePlayerStopsAtOnceWithOneLine) {
    if (fs::exists("/dev/dri")) GTEST_SKIP() << "this machine has a console display the player could open";
    const ShellResult run = RunShell("env -i PATH=/usr/bin:/bin HOME=/nonexistent timeout 60 " +
                                     ShellCommand(PRELO_PLAY, {"--assets", kSamples.string()}) + " 2>&1");
    EXPECT_EQ(5, run.status) << run.output;
    EXPECT_EQ(0u, run.output.rfind("prelo-play: no display to open a window on (", 0)) << run.output;
    EXPECT_EQ(run.output.size() - 1, run.output.find('\n')) << "more than one line:\n" << run.output;
    EXPECT_NE(std::string::npos, run.output.find("--render OUT")) << "how to render instead";

    // A driver the person names is used as named, even one that shows nothing: the player plays
    // on until stopped (timeout's status 124).
    const ShellResult named = RunShell("env -i PATH=/usr/bin:/bin HOME=/nonexistent SDL_VIDEODRIVER=dummy timeout 3 " +
                                       ShellCommand(PRELO_PLAY, {"--assets", kSamples.string()}) + " 2>&1");
    EXPECT_EQ(124, named.status) << named.output;
    EXPECT_EQ(std::string::npos, named.output.find("no display")) << named.output;
}

}  // namespace
