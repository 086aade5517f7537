#include "host/runner/run_outcome.h"

#include <cstdio>

#include "tools/console/exit_status.h"

namespace host {

namespace {

// Where the demo's messages go unseen, a run it ended by itself may have ended on a failure (a
// movie cut short): its files say whether one is at fault. Where they are seen, a run that
// showed none ended well, whatever the files hold beyond what it read.
bool MayHaveFailedUnseen(const DemoRunReport& report) { return !report.messagesSeen && report.endedByDemo; }

}  // namespace

int RunOutcome(const char* program, const DemoRunReport& report, const assetkit::GameFiles& files) {
    const bool failed = !report.initSucceeded || report.failedWhilePlaying;
    if (!failed && !MayHaveFailedUnseen(report)) return console::kPlayed;
    const assetkit::Fault fault = report.initCalled ? assetkit::FindFault(files) : assetkit::Fault{};
    if (!failed && fault.kind == assetkit::Fault::kNone) return console::kPlayed;
    std::string line = fault.line;
    if (fault.kind == assetkit::Fault::kNone) {
        line = report.initSucceeded ? "the demo stopped part-way (see its message above)" : report.error;
    }
    std::fprintf(stderr, "%s: %s\n", program, line.c_str());
    return fault.kind == assetkit::Fault::kMissing ? console::kFilesMissing : console::kFileDamaged;
}

}  // namespace host
