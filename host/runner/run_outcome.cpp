#include "host/runner/run_outcome.h"

#include <cstdio>

#include "tools/console/exit_status.h"

namespace host {

int RunOutcome(const char* program, const DemoRunReport& report, const assetkit::GameFiles& files) {
    if (report.initSucceeded && !report.failedWhilePlaying) return console::kPlayed;
    const assetkit::Fault fault = report.initCalled ? assetkit::FindFault(files) : assetkit::Fault{};
    std::string line = fault.line;
    if (fault.kind == assetkit::Fault::kNone) {
        line = report.initSucceeded ? "the demo stopped part-way (see its message above)" : report.error;
    }
    std::fprintf(stderr, "%s: %s\n", program, line.c_str());
    return fault.kind == assetkit::Fault::kMissing ? console::kFilesMissing : console::kFileDamaged;
}

}  // namespace host
