#include "demo/runtime/mci_player.h"

#include "demo/base/show_message.h"
#include "platform/clock.h"

namespace {

// The window class is registered once per load of this module and given back when the module is
// unloaded: it names this module's window procedure, and a class left behind would make the next
// load's registration fail.
struct NotifyClassRegistration {
    bool registered = false;
    SmallString className;
    platform::Instance instance = nullptr;

    ~NotifyClassRegistration() {
        if (registered) platform::UnregisterNotifyWindowClass(className.Text(), instance);
    }
};

NotifyClassRegistration notifyClass;

NotifyClassRegistration& NotifyClass() { return notifyClass; }

}  // namespace

MciPlayer::MciPlayer(const char* windowClassName, const char* file) : className(windowClassName), fileName(file) {}

MciPlayer::~MciPlayer() {
    if (isOpen) CloseDevice();
}

bool MciPlayer::CreateNotifyWindow(platform::Instance instance) {
    NotifyClassRegistration& registration = NotifyClass();
    if (!registration.registered) {
        if (!platform::RegisterNotifyWindowClass(className.Text(), &MciPlayer::WindowProcedure, instance)) return false;
        registration.registered = true;
        registration.className.Assign(className.Text());
        registration.instance = instance;
    }
    platform::Window created = platform::CreateNotifyWindow(className.Text(), instance, this);
    if (created == nullptr) return false;
    window = created;
    return true;
}

void MciPlayer::DestroyNotifyWindow() {
    if (window == nullptr) return;
    platform::SetWindowUserData(window, 0);
    platform::DestroyWindow(window);
    window = nullptr;
}

bool MciPlayer::CloseDevice() {
    if (!platform::MciClose(deviceId)) {
        ShowMessage("%s", kFailureText);
        return false;
    }
    isPlaying = false;
    isOpen = false;
    return true;
}

bool MciPlayer::Open(const char* file) {
    if (file == nullptr) return false;
    // A failed close is reported and then forgotten: the new file is opened regardless.
    if (isOpen) CloseDevice();
    fileName.Assign(file);
    platform::MciDeviceId opened = 0;
    if (!platform::MciOpenWave(fileName.Text(), window, &opened)) {
        ShowMessage("%s", kFailureText);
        return false;
    }
    deviceId = opened;
    isOpen = true;
    return true;
}

bool MciPlayer::Length(uint32_t* outMs) const {
    if (!isOpen || outMs == nullptr) return false;
    return platform::MciLength(deviceId, outMs);
}

bool MciPlayer::Play(int32_t count, uint32_t fromMs) {
    if (count < 0 || !isOpen) return false;
    repeatCount = count;
    if (!platform::MciPlayFrom(deviceId, fromMs, window)) {
        ShowMessage("%s", kFailureText);
        return false;
    }
    startTick = platform::TickCount() - fromMs;
    isPlaying = true;
    return true;
}

bool MciPlayer::Position(uint32_t* outMs) const {
    if (!isOpen || !isPlaying || outMs == nullptr) return false;
    *outMs = platform::TickCount() - startTick;
    return true;
}

bool MciPlayer::Stop() {
    if (!isOpen) return false;
    if (!platform::MciStop(deviceId)) {
        ShowMessage("%s", kFailureText);
        return false;
    }
    return CloseDevice();
}

void MciPlayer::Restart() {
    if (!platform::MciPlayFrom(deviceId, 0, window)) {
        ShowMessage("%s", kFailureText);
        return;
    }
    startTick = platform::TickCount();
    isPlaying = true;
}

void MciPlayer::HandleCompletion() {
    if (!isOpen) return;
    if (repeatCount == 0) {
        Restart();
        return;
    }
    --repeatCount;
    if (repeatCount <= 0) {
        CloseDevice();
        return;
    }
    Restart();
}

intptr_t MciPlayer::WindowProcedure(platform::Window window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    if (message != platform::messages::kMciNotify)
        return platform::DefaultWindowProcedure(window, message, wParam, lParam);
    auto* player = reinterpret_cast<MciPlayer*>(platform::WindowUserData(window));
    if (player != nullptr && wParam == platform::mci::kNotifySuccessful) player->HandleCompletion();
    return 1;
}
