#include "host/runner/demo_run.h"

#include "platform/process_path.h"

namespace host {

bool RunDemo(HostKit& kit, const DemoLibraries& libraries, const DemoRunOptions& options, DemoRunReport* report) {
    DemoRunReport local;
    DemoRunReport& out = report ? *report : local;
    out = DemoRunReport{};
    if (!libraries.Init() || !libraries.Run()) {
        out.error = "the demo library is not loaded";
        return false;
    }
    if (!kit.Valid()) {
        out.error = "the host window or screen could not be made";
        return false;
    }
    const std::string previousFolder = platform::CurrentFolder();
    if (!options.assetsFolder.empty() && !platform::ChangeCurrentFolder(options.assetsFolder.c_str())) {
        out.error = "cannot enter the assets folder " + options.assetsFolder;
        return false;
    }
    uint16_t result = 0xFFFF;
    libraries.Init()(&kit.Services(), &kit.Loop(), &kit.Clock(), &result);
    libraries.SetKeyCancelFlag()(options.keyCancel ? 1 : 0);
    libraries.SetLoopFlag()(options.loopMusic ? 1 : 0);
    libraries.Run()();
    out.initResult = result;
    out.initSucceeded = result == 1;
    if (!out.initSucceeded) out.error = "Init reported failure";
    if (!options.assetsFolder.empty() && !previousFolder.empty()) platform::ChangeCurrentFolder(previousFolder.c_str());
    return out.initSucceeded;
}

}  // namespace host
