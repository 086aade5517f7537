// The exit status of a run the demo played. Where the host never sees the demo's messages
// (Windows shows them as boxes of their own), a run the demo ended by itself is held against its
// files, so that a movie cut short is not reported as played to the end.
#include "host/runner/run_outcome.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/support/test_files.h"
#include "tools/console/exit_status.h"

namespace {

namespace fs = std::filesystem;

assetkit::GameFiles Find(const fs::path& folder) {
    assetkit::GameFiles files;
    std::string error;
    EXPECT_TRUE(assetkit::FindGameFiles(folder.string(), &files, &error)) << error;
    return files;
}

TEST(RunOutcome, ADemoThatEndedItselfUnseenIsHeldAgainstItsFiles) {
    const fs::path samples = PRELO_SAMPLE_ASSETS_DIR;
    ScopedWorkFolder work;
    const fs::path cut = fs::current_path() / "cut";
    fs::copy(samples, cut);
    fs::resize_file(cut / "Prelo.moz", fs::file_size(cut / "Prelo.moz") / 2);

    const struct {
        const char* what;
        bool messagesSeen, endedByDemo, movieCut;
        int status;
    } cases[] = {
        {"unseen, the demo ended itself, the movie cut short", false, true, true, console::kFileDamaged},
        {"unseen, the demo ended itself, every file whole", false, true, false, console::kPlayed},
        {"unseen, the host stopped the demo before the cut", false, false, true, console::kPlayed},
        {"seen, and the demo showed no message", true, true, true, console::kPlayed},
    };
    for (const auto& c : cases) {
        host::DemoRunReport report;
        report.initCalled = report.initSucceeded = true;
        report.messagesSeen = c.messagesSeen;
        report.endedByDemo = c.endedByDemo;
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(c.status, host::RunOutcome("runner", report, Find(c.movieCut ? cut : samples))) << c.what;
        const std::string said = ::testing::internal::GetCapturedStderr();
        if (c.status == console::kPlayed) {
            EXPECT_EQ("", said) << c.what;
        } else {
            EXPECT_NE(std::string::npos, said.find("Prelo.moz: the movie is cut short at frame "))
                << c.what << ": " << said;
        }
    }
}

}  // namespace
