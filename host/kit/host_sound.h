#pragma once

#include <cstdint>
#include <functional>
#include <utility>

#include "demo/runtime/schedule.h"
#include "host/kit/time_source.h"
#include "interfaces/host.h"

namespace host {

struct SoundSettings {
    // Length of every music number when no file gives one: the demo's whole timeline.
    uint32_t lengthMs = kTimelineEndMs;
    // Refuse every music number, so the demo falls back to its own player.
    bool refuse = false;
    // Where in the music a start begins. A host that starts the demo part-way sets its clock
    // this far on as well: the demo keeps its music time as the clock less the music's position,
    // so both must stand where a whole play would have them.
    uint32_t startAtMs = 0;
};

class HostSound;

class HostSoundRepeat final : public IHostSoundRepeat {
public:
    explicit HostSoundRepeat(HostSound& sound) : sound_(sound) {}
    bool SetRepeatMode(int32_t mode) override;
    int32_t RepeatMode() override;

private:
    HostSound& sound_;
};

class HostSoundPosition final : public IHostSoundPosition {
public:
    explicit HostSoundPosition(HostSound& sound) : sound_(sound) {}
    uint32_t PositionMs() override;
    uint32_t LengthMs() override;

private:
    HostSound& sound_;
};

// The host's music: "plays" a numbered piece on the host's time source. Its position runs from
// the moment Start was called (from startAtMs); repeat mode -1 wraps it at the length forever, a mode n >= 1
// plays n times and then stops (position 0, as before a start). Mode 0 counts as once.
class HostSound final : public IHostSound {
public:
    HostSound(TimeSource& time, const SoundSettings& settings);

    void Reserved0() override {}
    void Reserved1() override {}
    bool Prepare(int32_t musicNumber) override;
    void Reserved3() override {}
    bool Start() override;
    bool Stop() override;
    void Reserved6() override {}
    void* QueryControl(const Guid* id) override;

    bool SetRepeatMode(int32_t mode);
    int32_t RepeatMode() const { return repeatMode_; }
    uint32_t PositionMs();
    uint32_t LengthMs() const { return prepared_ ? settings_.lengthMs : 0; }

    bool Playing();
    int32_t MusicNumber() const { return musicNumber_; }
    // The host may learn the length from a file after construction (0 is ignored).
    void SetLengthMs(uint32_t lengthMs);

    // Told when the music starts (true) and when it stops or runs out (false), so that a
    // player can make the sound heard.
    using StateCallback = std::function<void(int32_t musicNumber, bool playing)>;
    void SetStateCallback(StateCallback callback) { stateCallback_ = std::move(callback); }

private:
    void SetPlaying(bool playing);

    TimeSource& time_;
    SoundSettings settings_;
    HostSoundRepeat repeat_;
    HostSoundPosition position_;
    int32_t musicNumber_ = -1;
    int32_t repeatMode_ = 1;
    bool prepared_ = false;
    bool playing_ = false;
    StateCallback stateCallback_;
    uint32_t startMs_ = 0;
};

class HostSoundSource final : public IHostSoundSource {
public:
    explicit HostSoundSource(HostSound& sound) : sound_(sound) {}
    IHostSound* Sound() override { return &sound_; }

private:
    HostSound& sound_;
};

}  // namespace host
