#include "platform/mci.h"

#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/file.h"
#include "platform/system_failure.h"
#include "platform/wave_header.h"
#include "pump_hooks.h"

// Linux has no MCI: this device opens and parses the wave file for real, lets the play run on
// the platform clock, and posts the completion notice when the owning thread next pumps its
// messages after the play reached its end, which is when a Windows thread would see it too.
namespace platform {
namespace {

struct Device {
    std::vector<uint8_t> file;
    WaveLayout layout{};
    bool playing = false;
    uint32_t playStartTick = 0;
    uint32_t playFromMs = 0;
    Window notifyWindow = nullptr;
};

struct Devices {
    std::mutex lock;
    std::map<MciDeviceId, Device> open;
    MciDeviceId nextId = 1;
    MciAudioSink* sink = nullptr;
    // The platform's window class of a notify window always names NotifyEntry below, which lives
    // as long as the process; the procedure it forwards to may belong to a module that is
    // unloaded and loaded again, so it is looked up here at every message.
    std::map<std::string, WindowProcedure> notifyProcedures;
    std::map<Window, std::string> notifyWindowClasses;
};

// Never destroyed: modules may still close devices from their own destructors at exit.
Devices& State() {
    static Devices* devices = new Devices;
    return *devices;
}

intptr_t NotifyEntry(Window window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    WindowProcedure procedure = nullptr;
    {
        Devices& state = State();
        std::lock_guard<std::mutex> hold(state.lock);
        auto windowClass = state.notifyWindowClasses.find(window);
        if (windowClass != state.notifyWindowClasses.end()) {
            auto found = state.notifyProcedures.find(windowClass->second);
            if (found != state.notifyProcedures.end()) procedure = found->second;
        }
    }
    if (procedure == nullptr) return DefaultWindowProcedure(window, message, wParam, lParam);
    return procedure(window, message, wParam, lParam);
}

void EndPlay(Devices& state, MciDeviceId id, Device& device, uintptr_t code) {
    if (!device.playing) return;
    device.playing = false;
    if (state.sink != nullptr) state.sink->Stop();
    if (device.notifyWindow != nullptr)
        PostWindowMessage(device.notifyWindow, messages::kMciNotify, code, static_cast<intptr_t>(id));
}

void FinishIfDue(Devices& state, MciDeviceId id, Device& device) {
    if (!device.playing) return;
    const uint32_t toPlay = device.layout.lengthMs - device.playFromMs;
    if (TickCount() - device.playStartTick >= toPlay) EndPlay(state, id, device, mci::kNotifySuccessful);
}

void FinishDuePlays() {
    Devices& state = State();
    std::lock_guard<std::mutex> hold(state.lock);
    for (auto& [id, device] : state.open) FinishIfDue(state, id, device);
}

// The stand-in has no system call of its own to fail: its refusals are recorded under the
// platform call that made them, in the words the real device would use.
bool Refuse(const char* call, const char* words) {
    detail::RecordSystemFailureText(call, words);
    return false;
}

Device* Find(Devices& state, MciDeviceId id, const char* call) {
    auto found = state.open.find(id);
    if (found == state.open.end()) {
        Refuse(call, "Invalid device ID.");
        return nullptr;
    }
    FinishIfDue(state, id, found->second);
    return &found->second;
}

bool ReadWhole(const char* fileName, std::vector<uint8_t>* bytes) {
    ReadFile file;
    uint32_t size = 0;
    if (!file.Open(fileName) || !file.Size(&size)) return false;
    bytes->resize(size);
    uint32_t got = 0;
    return size == 0 || (file.Read(bytes->data(), size, &got) && got == size);
}

}  // namespace

bool MciOpenWave(const char* fileName, Window /*callback*/, MciDeviceId* deviceId) {
    if (fileName == nullptr || deviceId == nullptr) return false;
    Device device;
    if (!ReadWhole(fileName, &device.file)) return false;
    const uint8_t* bytes = device.file.data();
    const size_t size = device.file.size();
    if (!ParseWaveHeader(bytes, size, size, &device.layout) || device.layout.formatTag != kWavePcm)
        return Refuse("MciOpenWave", "The file is not a PCM wave file this device can play.");
    detail::AddPumpHook(FinishDuePlays);
    Devices& state = State();
    std::lock_guard<std::mutex> hold(state.lock);
    MciDeviceId id = state.nextId;
    while (id == 0 || state.open.count(id) != 0) ++id;
    state.nextId = static_cast<MciDeviceId>(id + 1);
    state.open.emplace(id, std::move(device));
    *deviceId = id;
    return true;
}

bool MciLength(MciDeviceId deviceId, uint32_t* lengthMs) {
    Devices& state = State();
    std::lock_guard<std::mutex> hold(state.lock);
    Device* device = Find(state, deviceId, "MciLength");
    if (device == nullptr || lengthMs == nullptr) return false;
    *lengthMs = device->layout.lengthMs;
    return true;
}

bool MciPlayFrom(MciDeviceId deviceId, uint32_t fromMs, Window callback) {
    Devices& state = State();
    std::lock_guard<std::mutex> hold(state.lock);
    Device* device = Find(state, deviceId, "MciPlayFrom");
    if (device == nullptr || fromMs > device->layout.lengthMs) return false;
    EndPlay(state, deviceId, *device, mci::kNotifySuperseded);
    device->playing = true;
    device->playStartTick = TickCount();
    device->playFromMs = fromMs;
    device->notifyWindow = callback;
    if (state.sink != nullptr) {
        const WaveLayout& layout = device->layout;
        uint64_t fromByte = static_cast<uint64_t>(fromMs) * layout.bytesPerSecond / 1000u;
        fromByte -= fromByte % layout.format.blockAlign;
        if (fromByte > layout.dataSize) fromByte = layout.dataSize;
        state.sink->Start(layout.format, device->file.data() + layout.dataOffset, layout.dataSize,
                          static_cast<uint32_t>(fromByte));
    }
    return true;
}

bool MciStop(MciDeviceId deviceId) {
    Devices& state = State();
    std::lock_guard<std::mutex> hold(state.lock);
    Device* device = Find(state, deviceId, "MciStop");
    if (device == nullptr) return false;
    EndPlay(state, deviceId, *device, mci::kNotifyAborted);
    return true;
}

bool MciClose(MciDeviceId deviceId) {
    Devices& state = State();
    std::lock_guard<std::mutex> hold(state.lock);
    Device* device = Find(state, deviceId, "MciClose");
    if (device == nullptr) return false;
    EndPlay(state, deviceId, *device, mci::kNotifyAborted);
    state.open.erase(deviceId);
    return true;
}

bool RegisterNotifyWindowClass(const char* className, WindowProcedure procedure, Instance instance) {
    if (className == nullptr || procedure == nullptr) return false;
    Devices& state = State();
    {
        std::lock_guard<std::mutex> hold(state.lock);
        if (state.notifyProcedures.count(className) != 0) return false;
    }
    // A class left by an earlier load of the same module already names NotifyEntry.
    if (!RegisterWindowClass(className, NotifyEntry, instance) && !IsWindowClassRegistered(className, instance))
        return false;
    std::lock_guard<std::mutex> hold(state.lock);
    state.notifyProcedures[className] = procedure;
    return true;
}

void UnregisterNotifyWindowClass(const char* className, Instance /*instance*/) {
    if (className == nullptr) return;
    Devices& state = State();
    std::lock_guard<std::mutex> hold(state.lock);
    state.notifyProcedures.erase(className);
}

Window CreateNotifyWindow(const char* className, Instance instance, void* creationParameter) {
    if (className == nullptr) return nullptr;
    Window window = CreateHiddenWindow(className, "", instance);
    if (window == nullptr) return nullptr;
    SetWindowUserData(window, reinterpret_cast<intptr_t>(creationParameter));
    Devices& state = State();
    std::lock_guard<std::mutex> hold(state.lock);
    state.notifyWindowClasses[window] = className;
    return window;
}

void SetMciAudioSink(MciAudioSink* sink) {
    Devices& state = State();
    std::lock_guard<std::mutex> hold(state.lock);
    if (state.sink != nullptr && state.sink != sink) state.sink->Stop();
    state.sink = sink;
}

}  // namespace platform
