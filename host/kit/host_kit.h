#pragma once

#include <cstdint>
#include <memory>

#include "host/kit/host_clock.h"
#include "host/kit/host_input.h"
#include "host/kit/host_loop.h"
#include "host/kit/host_screen.h"
#include "host/kit/host_services.h"
#include "host/kit/host_sound.h"
#include "host/kit/host_window.h"
#include "host/kit/time_source.h"

namespace host {

struct HostKitSettings {
    // Headless runs step a virtual clock by loop.frameStepMs per frame; otherwise time is real
    // (or comes from the caller's time source).
    bool headless = true;
    uint32_t startMs = 0;
    LoopSettings loop;
    SoundSettings sound;
    bool visibleWindow = false;
    const char* title = "Prelo";
};

// Every service object a host gives the demo, wired together: one time source read by the
// clock, the loop and the sound; the screen presenting into the window.
class HostKit {
public:
    // time, when given, replaces the kit's own source (a player's audio clock); headless is then
    // ignored. It must outlive the kit.
    explicit HostKit(const HostKitSettings& settings, TimeSource* time = nullptr);
    HostKit(const HostKit&) = delete;
    HostKit& operator=(const HostKit&) = delete;

    // False when the window or the screen could not be made.
    bool Valid() const { return window_.Valid() && screen_.Valid(); }

    HostServices& Services() { return services_; }
    HostLoop& Loop() { return loop_; }
    HostClock& Clock() { return clock_; }
    HostWindow& Window() { return window_; }
    HostScreen& Screen() { return screen_; }
    HostInput& Input() { return input_; }
    HostSound& Sound() { return sound_; }
    TimeSource& Time() { return *time_; }
    // Null unless the kit steps its own virtual clock.
    SteppedTime* Stepped() { return stepped_.get(); }

private:
    std::unique_ptr<SteppedTime> stepped_;
    SystemTime systemTime_;
    TimeSource* time_;
    HostClock clock_;
    HostWindow window_;
    HostScreen screen_;
    HostInput input_;
    HostSound sound_;
    HostSoundSource soundSource_;
    HostGraphContext graphContext_;
    UnusedService unused_;
    HostServices services_;
    HostLoop loop_;
};

}  // namespace host
