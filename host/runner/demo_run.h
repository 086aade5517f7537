#pragma once

#include <cstdint>
#include <string>

#include "host/kit/host_kit.h"
#include "host/runner/demo_libraries.h"

namespace host {

struct DemoRunOptions {
    // Made the current folder before Init, since the demo opens its files by bare name; empty
    // leaves the current folder alone.
    std::string assetsFolder;
    bool loopMusic = false;
    bool keyCancel = false;
};

struct DemoRunReport {
    bool initCalled = false;  // false: the run failed before the demo was asked to start
    bool initSucceeded = false;
    uint16_t initResult = 0;
    // The demo showed a message while it played: it stopped on a failure of its own (a movie
    // frame or the music it could not read). Seen only where messagesSeen.
    bool failedWhilePlaying = false;
    // Whether the host sees the demo's messages; Windows shows them as real boxes instead.
    bool messagesSeen = true;
    // Run returned without the host asking it to stop: the music ended, a cancel key, or a
    // failure of the demo's own.
    bool endedByDemo = false;
    std::string error;
};

// Plays the demo once through its exports with the kit's services: Init, the two flags, and
// Run when Init succeeded. Run still gets called after a failed Init, as a host would, since the
// demo releases what Init left behind there. The previous current folder is restored.
bool RunDemo(HostKit& kit, const DemoLibraries& libraries, const DemoRunOptions& options, DemoRunReport* report);

}  // namespace host
