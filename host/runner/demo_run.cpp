#include "host/runner/demo_run.h"

#include "platform/message_box.h"
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
    out.initCalled = true;
    libraries.Init()(&kit.Services(), &kit.Loop(), &kit.Clock(), &result);
    libraries.SetKeyCancelFlag()(options.keyCancel ? 1 : 0);
    libraries.SetLoopFlag()(options.loopMusic ? 1 : 0);
    const size_t messagesBefore = platform::RecordedMessages().size();
    libraries.Run()();
    out.initResult = result;
    out.initSucceeded = result == 1;
    out.messagesSeen = platform::RecordsMessages();
    out.failedWhilePlaying = out.initSucceeded && platform::RecordedMessages().size() > messagesBefore;
    out.endedByDemo = !kit.Loop().AnsweredStop();
    if (!out.initSucceeded) out.error = "the demo did not start (see its message above)";
    if (!options.assetsFolder.empty() && !previousFolder.empty()) platform::ChangeCurrentFolder(previousFolder.c_str());
    return out.initSucceeded;
}

}  // namespace host
