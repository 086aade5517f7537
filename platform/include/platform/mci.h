#pragma once

#include <cstdint>

#include "platform/window.h"

namespace platform {

// The MCI "waveaudio" device: one open wave file that plays and reports its end to a callback
// window with messages::kMciNotify (wParam = one of the notify codes, lParam = the device id).
// All lengths and positions are milliseconds.
namespace mci {
inline constexpr uintptr_t kNotifySuccessful = 0x0001;
inline constexpr uintptr_t kNotifySuperseded = 0x0002;
inline constexpr uintptr_t kNotifyAborted = 0x0004;
inline constexpr uintptr_t kNotifyFailure = 0x0008;
}  // namespace mci

using MciDeviceId = uint16_t;

// Opens the file on the waveaudio device and waits for it. False when the file is missing or not
// a playable wave file.
bool MciOpenWave(const char* fileName, Window callback, MciDeviceId* deviceId);
// The length of the open file.
bool MciLength(MciDeviceId deviceId, uint32_t* lengthMs);
// Plays from fromMs to the end and returns at once; the end of the play is posted to callback as
// kNotifySuccessful. A play replacing a running one posts kNotifySuperseded for the old one.
bool MciPlayFrom(MciDeviceId deviceId, uint32_t fromMs, Window callback);
// Stops and waits. A running play's notice becomes kNotifyAborted.
bool MciStop(MciDeviceId deviceId);
// Closes the device and waits; the id is invalid afterwards.
bool MciClose(MciDeviceId deviceId);

// The hidden window that receives the notices. Registration is per process; the procedure is
// called with the platform's calling convention, whatever the system's own is.
bool RegisterNotifyWindowClass(const char* className, WindowProcedure procedure, Instance instance);
// Forgets the class again, for a module about to be unloaded whose procedure it names; a window
// of the class still open keeps it registered on Windows.
void UnregisterNotifyWindowClass(const char* className, Instance instance);
// Creates a disabled, hidden window of the class whose user data holds creationParameter before
// any message reaches its procedure. Null on failure.
Window CreateNotifyWindow(const char* className, Instance instance, void* creationParameter);

// Linux: what the stand-in device would play, for a host that wants to hear it. Windows plays
// through the real device and never calls a sink.
struct WaveFormat {
    uint16_t channels;
    uint32_t samplesPerSecond;
    uint16_t bitsPerSample;
    uint16_t blockAlign;
};

class MciAudioSink {
public:
    virtual ~MciAudioSink() = default;
    // The samples of the whole file (valid until Stop); playing starts at byte offset fromByte.
    virtual void Start(const WaveFormat& format, const uint8_t* samples, uint32_t size, uint32_t fromByte) = 0;
    virtual void Stop() = 0;
};

// Null detaches. The sink is borrowed and must outlive its attachment.
void SetMciAudioSink(MciAudioSink* sink);

}  // namespace platform
