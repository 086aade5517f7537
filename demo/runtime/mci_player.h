#pragma once

#include <cstdint>

#include "demo/base/small_string.h"
#include "platform/mci.h"
#include "platform/window.h"

// Plays a wave file through the MCI waveaudio device and keeps the music time on the tick count.
// Repeats are driven by the device's completion notices, which arrive at a hidden window when the
// host's thread dispatches messages.
class MciPlayer {
public:
    static constexpr const char* kFailureText = "ＯＰデモ用音楽再生に失敗しました";
    // Counts for Play.
    static constexpr int32_t kRepeatEndless = 0;
    static constexpr int32_t kRepeatOnce = 1;

    SmallString className;
    platform::Window window = nullptr;
    SmallString fileName;
    platform::MciDeviceId deviceId = 0;
    bool isOpen = false;
    bool isPlaying = false;
    // Plays still to run: kRepeatEndless, or n more plays including the current one.
    int32_t repeatCount = 0;
    uint32_t startTick = 0;

    explicit MciPlayer(const char* windowClassName, const char* file = nullptr);
    // Closes a device still open. The window is not touched: at unload the window system of the
    // process may already be gone; DestroyNotifyWindow is for the end of a demo.
    ~MciPlayer();
    MciPlayer(const MciPlayer&) = delete;
    MciPlayer& operator=(const MciPlayer&) = delete;

    // Registers the window class once per process and creates this player's hidden window.
    bool CreateNotifyWindow(platform::Instance instance);
    void DestroyNotifyWindow();
    bool Open(const char* file);
    bool Length(uint32_t* outMs) const;
    bool Play(int32_t count, uint32_t fromMs);
    bool Position(uint32_t* outMs) const;
    bool Stop();

    static intptr_t WindowProcedure(platform::Window window, uint32_t message, uintptr_t wParam, intptr_t lParam);

private:
    void HandleCompletion();
    bool CloseDevice();
    void Restart();
};
