#pragma once

#include <SDL.h>

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "host/kit/time_source.h"
#include "platform/mci.h"

namespace player {

// The player's sound: one SDL audio device playing 16-bit or 8-bit PCM from memory, looping or
// once, and the music clock that comes from it. The clock counts the samples the device has
// consumed, so picture and sound stay together whatever the device's pace; between two device
// callbacks it runs on the system timer. Before the first Resume it stands at the start point;
// without a device it is a plain system clock from there.
//
// It is also the sink of the demo's own music player, for when the host refuses the music: that
// player then hands over the samples and the offset to play from.
class AudioOutput final : public host::TimeSource, public platform::MciAudioSink {
public:
    AudioOutput() = default;
    ~AudioOutput() override;
    AudioOutput(const AudioOutput&) = delete;
    AudioOutput& operator=(const AudioOutput&) = delete;

    // Loads a WAV file for the host's music. False (and silent) when the file does not load or
    // no audio device opens; *error says why.
    bool LoadMusic(const std::string& wavPath, bool loop, std::string* error);
    // Starts or restarts playing from the start point; the clock starts with it.
    void Resume();
    // Stops the sound, and stands the clock at fromMs until Resume plays the music from there.
    void Rewind(uint32_t fromMs);

    uint32_t NowMs() override;

    void Start(const platform::WaveFormat& format, const uint8_t* samples, uint32_t size, uint32_t fromByte) override;
    void Stop() override;
    // Where the demo's own player is in its music: the offset it last started from plus the time
    // since. 0 before it starts.
    uint32_t SinkPositionMs() const;

    // Pausing stops the device and stands the clock (and the sink's position) where it is; going
    // on continues from exactly there. Step moves a paused clock and the samples on by ms
    // together, so that sound and picture still agree when play goes on.
    void SetPaused(bool paused);
    bool Paused() const { return paused_; }
    void Step(uint32_t ms);

    // Loudness in percent of the file's own (0..100), and mute; both act on the samples as they
    // go to the device.
    void SetVolume(int percent);
    int Volume() const { return volume_; }
    void SetMuted(bool muted) { muted_ = muted; }
    bool Muted() const { return muted_; }

private:
    static void Fill(void* self, Uint8* stream, int length);
    void ApplyLoudness(Uint8* stream, int length) const;
    uint32_t DeviceClockMs();
    void MoveCursor(uint32_t ms);
    bool OpenDevice(int rate, SDL_AudioFormat format, int channels, std::string* error);
    void CloseDevice();

    SDL_AudioDeviceID device_ = 0;
    SDL_AudioSpec spec_{};
    Uint8* wavBuffer_ = nullptr;  // owned by SDL_LoadWAV
    const Uint8* samples_ = nullptr;
    uint32_t size_ = 0;
    uint32_t cursor_ = 0;
    bool loop_ = false;
    uint32_t bytesPerSecond_ = 0;
    uint64_t bytesConsumed_ = 0;  // guarded by the device lock
    uint32_t lastFillTicks_ = 0;
    bool running_ = false;
    uint32_t startAtMs_ = 0;  // where Resume starts the music and the clock
    uint32_t silentStartTicks_ = 0;
    bool sinkPlaying_ = false;
    uint32_t sinkFromMs_ = 0;
    uint32_t sinkStartTicks_ = 0;
    bool paused_ = false;
    uint32_t heldMs_ = 0;      // the clock while paused
    uint32_t heldSinkMs_ = 0;  // the sink's position while paused
    uint32_t sinceFillAtPause_ = 0;
    int64_t clockShiftMs_ = 0;  // what pauses and steps added to the device's own count
    std::atomic<int> volume_{100};
    std::atomic<bool> muted_{false};
};

}  // namespace player
