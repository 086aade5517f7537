#pragma once

#include "host/runner/demo_run.h"
#include "tools/assets/game_folder.h"

namespace host {

// The exit status of a played run (console::PlayStatus). When the demo did not start or stopped
// on a failure of its own, it has said so in its own words already; this adds one line in
// English, after the program's name, naming the file at fault and what is wrong with it.
int RunOutcome(const char* program, const DemoRunReport& report, const assetkit::GameFiles& files);

}  // namespace host
