#include "demo/base/show_message.h"
#include "demo/runtime/demo_context.h"
#include "demo/scenes/scene_table.h"
#include "interfaces/host.h"

namespace {

constexpr int32_t kHostRepeatEndless = -1;
constexpr int32_t kHostRepeatOnce = 1;

}  // namespace

// The host has accepted the music; wait until it reports a position. False ends the demo. A
// start that is never confirmed stops the host's music as well, as nothing else would.
bool DemoContext::StartHostSound() {
    lengthMs = hostSound.Length();
    const uint32_t waitStart = clock->NowMs();
    while (!hostSound.SyncStart()) {
        if (!loop->KeepRunning()) {
            hostSound.Stop();
            ReleaseAll();
            return false;
        }
        if (clock->NowMs() - waitStart > HostSoundPlayer::kStartTimeoutMs) {
            hostSound.Stop();
            return false;
        }
    }
    hostSoundInUse = true;
    return true;
}

bool DemoContext::StartMciMusic() {
    if (!mci.CreateNotifyWindow(platform::WindowInstance(mainWindow))) {
        ShowMessage("%s", kNotifyWindowFailureText);
        return false;
    }
    if (!mci.Open(kMusicFile)) return false;
    if (!mci.Length(&lengthMs)) return false;
    return mci.Play(loopMusic ? MciPlayer::kRepeatEndless : MciPlayer::kRepeatOnce, 0);
}

void DemoContext::RunSchedule() {
    if (!initialised) return;
    input->Poll();
    input->Refresh();
    hostSoundInUse = false;
    if (hostSound.Play(loopMusic ? kHostRepeatEndless : kHostRepeatOnce)) {
        if (!StartHostSound()) return;
    } else if (!StartMciMusic()) {
        return;
    }
    bool (*const play)(DemoContext&, int32_t) = runScene != nullptr ? runScene : RunScene;
    while (loop->KeepRunning()) {
        if (!PaceFrame()) return;
        sceneIndex = FindSceneIndex(schedule, scheduleCount, nowMs);
        if (sceneIndex >= 0 && !play(*this, sceneIndex)) return;
    }
    ReleaseAll();
}

void DemoContext::Run() {
    RunSchedule();
    // One Run per Init: what this Run released is not there for another, so a second Run
    // without a new Init does nothing instead of drawing with released tables.
    initialised = false;
    ReleaseAll();
    // The device is closed by now; a window left behind would outlive the procedure it calls
    // once the library is unloaded.
    mci.DestroyNotifyWindow();
}
