#pragma once

#include <cstdint>

class IHostClock;
class IHostSound;
class IHostSoundPosition;
class IHostSoundRepeat;

// Plays the numbered music through the host's sound service and turns the host clock into music
// time. Every host object is borrowed.
class HostSoundPlayer {
public:
    static constexpr int32_t kNothingSaved = -2;
    static constexpr uint32_t kStartTimeoutMs = 10000;

    IHostSound* sound = nullptr;
    IHostSoundRepeat* repeat = nullptr;
    IHostSoundPosition* position = nullptr;
    IHostClock* clock = nullptr;
    uint32_t lengthMs = 0;
    uint32_t timeBaseMs = 0;
    bool looping = false;
    int32_t musicNumber = 2;
    int32_t savedRepeatMode = kNothingSaved;

    // Takes both sound controls of the host object; false when either is missing.
    bool Bind(IHostSound* hostSound, IHostClock* hostClock);
    // Asks the host to play the music with repeat mode -1 (endless) or 1 (once). False means the
    // host refused; the caller then plays the music itself.
    bool Play(int32_t repeatMode);
    uint32_t Length() const { return lengthMs; }
    // True once the host reports a position inside the music; aligns the time base with it.
    bool SyncStart();
    // Music time in ms. False once a non-looping play has run its length.
    bool Position(uint32_t* outMs);
    bool Stop();
    // Gives the host back the repeat mode it had before Play; may run any number of times.
    void RestoreRepeatMode();
};
