#include "demo/runtime/demo_context.h"
#include "interfaces/host.h"
#include "platform/clock.h"
#include "platform/keys.h"

namespace {

struct JumpKey {
    int virtualKey;
    int32_t scene;
};

// Examined in this order; scene 1 has no key of its own.
constexpr JumpKey kJumpKeys[] = {{'1', 0}, {'2', 2}, {'3', 3}, {'4', 4},  {'5', 5}, {'6', 6},
                                 {'7', 7}, {'8', 8}, {'9', 9}, {'0', 10}, {'P', 11}};

constexpr int kCancelKeys[] = {platform::keys::kSpace, platform::keys::kReturn, platform::keys::kLeftButton,
                               platform::keys::kRightButton, platform::keys::kEscape};

// Cancelling is offered only once the demo has reached the scene where the title is shown.
constexpr int32_t kFirstCancellableScene = 6;

}  // namespace

bool DemoContext::HandleJumpKeys() {
    for (const JumpKey& jump : kJumpKeys) {
        if (!platform::IsKeyDown(jump.virtualKey)) continue;
        // Jumping on release keeps a held key from restarting the music every frame.
        while (platform::IsKeyDown(jump.virtualKey)) platform::Sleep(1);
        if (hostSoundInUse) return true;
        if (schedule == nullptr || jump.scene >= scheduleCount) return false;
        return mci.Play(loopMusic ? MciPlayer::kRepeatEndless : MciPlayer::kRepeatOnce, schedule[jump.scene].startMs);
    }
    return true;
}

bool DemoContext::CancelRequested() {
    if (!keyCancel || input == nullptr) return false;
    if (sceneIndex < kFirstCancellableScene) {
        input->Poll();
        return false;
    }
    for (int key : kCancelKeys) {
        if (input->IsPressed(key)) return true;
    }
    return false;
}

bool DemoContext::PaceFrame() {
    if (!HandleJumpKeys()) return false;
    if (CancelRequested()) {
        ReleaseAll();
        return false;
    }
    uint32_t position = 0;
    const bool playing = hostSoundInUse ? hostSound.Position(&position) : mci.Position(&position);
    if (!playing) {
        ReleaseAll();
        return false;
    }
    nowMs = position;
    return true;
}
