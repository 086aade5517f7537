#include "host/player/audio_output.h"

#include <algorithm>
#include <cstring>

#include "host/player/quiet_stderr.h"

namespace player {

AudioOutput::~AudioOutput() {
    CloseDevice();
    if (wavBuffer_ != nullptr) SDL_FreeWAV(wavBuffer_);
}

bool AudioOutput::OpenDevice(int rate, SDL_AudioFormat format, int channels, std::string* error) {
    CloseDevice();
    SDL_AudioSpec wanted{};
    wanted.freq = rate;
    wanted.format = format;
    wanted.channels = static_cast<Uint8>(channels);
    wanted.samples = 1024;
    wanted.callback = &AudioOutput::Fill;
    wanted.userdata = this;
    // No changes allowed: the samples are handed to the device as they are in the file.
    {
        QuietStderr quiet;
        device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, &spec_, 0);
    }
    if (device_ == 0) {
        if (error) *error = SDL_GetError();
        return false;
    }
    bytesPerSecond_ = static_cast<uint32_t>(spec_.freq) * spec_.channels * (SDL_AUDIO_BITSIZE(spec_.format) / 8);
    return true;
}

void AudioOutput::CloseDevice() {
    if (device_ != 0) SDL_CloseAudioDevice(device_);
    device_ = 0;
}

bool AudioOutput::LoadMusic(const std::string& wavPath, bool loop, std::string* error) {
    SDL_AudioSpec fileSpec{};
    Uint32 length = 0;
    if (SDL_LoadWAV(wavPath.c_str(), &fileSpec, &wavBuffer_, &length) == nullptr) {
        if (error) *error = SDL_GetError();
        return false;
    }
    if (!OpenDevice(fileSpec.freq, fileSpec.format, fileSpec.channels, error)) return false;
    samples_ = wavBuffer_;
    size_ = length;
    loop_ = loop;
    return true;
}

void AudioOutput::Resume() {
    paused_ = false;
    clockShiftMs_ = startAtMs_;
    if (device_ == 0) {
        running_ = true;
        silentStartTicks_ = SDL_GetTicks() - startAtMs_;
        return;
    }
    SDL_LockAudioDevice(device_);
    cursor_ = 0;
    bytesConsumed_ = 0;
    lastFillTicks_ = SDL_GetTicks();
    running_ = true;
    SDL_UnlockAudioDevice(device_);
    MoveCursor(startAtMs_);
    SDL_PauseAudioDevice(device_, 0);
}

void AudioOutput::Rewind(uint32_t fromMs) {
    if (device_ != 0) SDL_PauseAudioDevice(device_, 1);
    running_ = false;
    paused_ = false;
    startAtMs_ = fromMs;
}

uint32_t AudioOutput::NowMs() {
    if (!running_) return startAtMs_;
    if (paused_) return heldMs_;
    if (device_ == 0 || bytesPerSecond_ == 0) return SDL_GetTicks() - silentStartTicks_;
    return static_cast<uint32_t>(static_cast<int64_t>(DeviceClockMs()) + clockShiftMs_);
}

uint32_t AudioOutput::DeviceClockMs() {
    SDL_LockAudioDevice(device_);
    const uint64_t consumed = bytesConsumed_;
    const uint32_t since = SDL_GetTicks() - lastFillTicks_;
    SDL_UnlockAudioDevice(device_);
    // The device buffer was filled at lastFillTicks_; it plays on for one buffer's length.
    const uint32_t bufferMs = static_cast<uint32_t>(spec_.samples) * 1000u / static_cast<uint32_t>(spec_.freq);
    const uint64_t filledMs = consumed * 1000u / bytesPerSecond_;
    const uint64_t heardMs = filledMs > bufferMs ? filledMs - bufferMs : 0;
    return static_cast<uint32_t>(heardMs + std::min(since, bufferMs));
}

void AudioOutput::Fill(void* self, Uint8* stream, int length) {
    auto* output = static_cast<AudioOutput*>(self);
    const Uint8 silence = output->spec_.silence;
    int written = 0;
    while (written < length) {
        if (output->samples_ == nullptr || output->cursor_ >= output->size_) {
            if (output->loop_ && output->size_ != 0) {
                output->cursor_ = 0;
                continue;
            }
            std::memset(stream + written, silence, static_cast<size_t>(length - written));
            break;
        }
        const uint32_t chunk =
            std::min<uint32_t>(output->size_ - output->cursor_, static_cast<uint32_t>(length - written));
        std::memcpy(stream + written, output->samples_ + output->cursor_, chunk);
        output->cursor_ += chunk;
        written += static_cast<int>(chunk);
    }
    output->ApplyLoudness(stream, length);
    output->bytesConsumed_ += static_cast<uint64_t>(length);
    output->lastFillTicks_ = SDL_GetTicks();
}

void AudioOutput::Start(const platform::WaveFormat& format, const uint8_t* samples, uint32_t size, uint32_t fromByte) {
    const uint64_t byteRate = static_cast<uint64_t>(format.blockAlign) * format.samplesPerSecond;
    sinkFromMs_ = byteRate == 0 ? 0 : static_cast<uint32_t>(static_cast<uint64_t>(fromByte) * 1000u / byteRate);
    sinkStartTicks_ = SDL_GetTicks();
    sinkPlaying_ = true;
    heldSinkMs_ = sinkFromMs_;
    const SDL_AudioFormat sdlFormat = format.bitsPerSample == 8 ? AUDIO_U8 : AUDIO_S16LSB;
    if (device_ == 0 || spec_.freq != static_cast<int>(format.samplesPerSecond) || spec_.channels != format.channels ||
        spec_.format != sdlFormat) {
        if (!OpenDevice(static_cast<int>(format.samplesPerSecond), sdlFormat, format.channels, nullptr)) return;
    }
    SDL_LockAudioDevice(device_);
    samples_ = samples;
    size_ = size;
    cursor_ = std::min(fromByte, size);
    loop_ = false;  // the demo's player restarts the music itself when it loops
    SDL_UnlockAudioDevice(device_);
    if (!paused_) SDL_PauseAudioDevice(device_, 0);
}

uint32_t AudioOutput::SinkPositionMs() const {
    if (!sinkPlaying_) return 0;
    return paused_ ? heldSinkMs_ : sinkFromMs_ + (SDL_GetTicks() - sinkStartTicks_);
}

void AudioOutput::ApplyLoudness(Uint8* stream, int length) const {
    const int volume = muted_ ? 0 : volume_.load();
    if (volume >= 100) return;
    if (spec_.format == AUDIO_U8) {
        for (int i = 0; i < length; ++i) stream[i] = static_cast<Uint8>(128 + (stream[i] - 128) * volume / 100);
        return;
    }
    // Signed 16-bit little-endian, the only other format the player opens.
    for (int i = 0; i + 1 < length; i += 2) {
        const int16_t sample = static_cast<int16_t>(stream[i] | (stream[i + 1] << 8));
        const int16_t scaled = static_cast<int16_t>(sample * volume / 100);
        stream[i] = static_cast<Uint8>(scaled & 0xFF);
        stream[i + 1] = static_cast<Uint8>((scaled >> 8) & 0xFF);
    }
}

void AudioOutput::SetVolume(int percent) { volume_ = std::clamp(percent, 0, 100); }

void AudioOutput::SetPaused(bool paused) {
    if (paused == paused_) return;
    const uint32_t now = SDL_GetTicks();
    if (paused) {
        if (device_ != 0) SDL_PauseAudioDevice(device_, 1);
        heldMs_ = NowMs();
        heldSinkMs_ = SinkPositionMs();
        if (device_ != 0) {
            SDL_LockAudioDevice(device_);
            sinceFillAtPause_ = now - lastFillTicks_;
            SDL_UnlockAudioDevice(device_);
        }
        paused_ = true;
        return;
    }
    paused_ = false;
    silentStartTicks_ = now - heldMs_;
    sinkStartTicks_ = now - (heldSinkMs_ - sinkFromMs_);
    if (device_ == 0) return;
    SDL_LockAudioDevice(device_);
    lastFillTicks_ = now - sinceFillAtPause_;
    SDL_UnlockAudioDevice(device_);
    if (running_ && bytesPerSecond_ != 0) clockShiftMs_ = static_cast<int64_t>(heldMs_) - DeviceClockMs();
    if (running_ || sinkPlaying_) SDL_PauseAudioDevice(device_, 0);
}

void AudioOutput::Step(uint32_t ms) {
    if (!paused_) return;
    heldMs_ += ms;
    if (sinkPlaying_) heldSinkMs_ += ms;
    MoveCursor(ms);
}

void AudioOutput::MoveCursor(uint32_t ms) {
    if (device_ == 0 || bytesPerSecond_ == 0) return;
    const uint32_t frameBytes = static_cast<uint32_t>(spec_.channels) * (SDL_AUDIO_BITSIZE(spec_.format) / 8);
    const uint64_t bytes = static_cast<uint64_t>(ms) * bytesPerSecond_ / 1000u / frameBytes * frameBytes;
    SDL_LockAudioDevice(device_);
    if (size_ != 0) {
        const uint64_t moved = cursor_ + bytes;
        cursor_ = static_cast<uint32_t>(loop_ ? moved % size_ : std::min<uint64_t>(moved, size_));
    }
    SDL_UnlockAudioDevice(device_);
}

void AudioOutput::Stop() {
    sinkPlaying_ = false;
    if (device_ == 0) return;
    SDL_PauseAudioDevice(device_, 1);
    SDL_LockAudioDevice(device_);
    samples_ = nullptr;
    size_ = 0;
    SDL_UnlockAudioDevice(device_);
}

}  // namespace player
