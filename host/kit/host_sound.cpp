#include "host/kit/host_sound.h"

#include "interfaces/guids.h"

namespace host {

bool HostSoundRepeat::SetRepeatMode(int32_t mode) { return sound_.SetRepeatMode(mode); }
int32_t HostSoundRepeat::RepeatMode() { return sound_.RepeatMode(); }
uint32_t HostSoundPosition::PositionMs() { return sound_.PositionMs(); }
uint32_t HostSoundPosition::LengthMs() { return sound_.LengthMs(); }

HostSound::HostSound(TimeSource& time, const SoundSettings& settings)
    : time_(time), settings_(settings), repeat_(*this), position_(*this) {}

bool HostSound::Prepare(int32_t musicNumber) {
    if (playing_) SetPlaying(false);
    prepared_ = !settings_.refuse && settings_.lengthMs != 0;
    musicNumber_ = prepared_ ? musicNumber : -1;
    return prepared_;
}

bool HostSound::Start() {
    if (!prepared_) return false;
    startMs_ = time_.NowMs() - settings_.startAtMs;
    SetPlaying(true);
    return true;
}

bool HostSound::Stop() {
    const bool was = playing_;
    if (was) SetPlaying(false);
    return was;
}

void* HostSound::QueryControl(const Guid* id) {
    if (id == nullptr) return nullptr;
    if (SameGuid(*id, guids::kSoundRepeat)) return static_cast<IHostSoundRepeat*>(&repeat_);
    if (SameGuid(*id, guids::kSoundPosition)) return static_cast<IHostSoundPosition*>(&position_);
    return nullptr;
}

// Any mode a caller read back may be handed in again; below -1 means nothing.
bool HostSound::SetRepeatMode(int32_t mode) {
    if (mode < -1) return false;
    repeatMode_ = mode;
    return true;
}

bool HostSound::Playing() {
    PositionMs();
    return playing_;
}

uint32_t HostSound::PositionMs() {
    if (!playing_ || settings_.lengthMs == 0) return 0;
    const uint32_t elapsed = time_.NowMs() - startMs_;
    if (repeatMode_ != -1) {
        const uint64_t plays = repeatMode_ < 1 ? 1u : static_cast<uint64_t>(repeatMode_);
        if (elapsed >= plays * settings_.lengthMs) {
            SetPlaying(false);  // the last play has run out
            return 0;
        }
    }
    return elapsed % settings_.lengthMs;
}

void HostSound::SetPlaying(bool playing) {
    playing_ = playing;
    if (stateCallback_) stateCallback_(musicNumber_, playing);
}

void HostSound::SetLengthMs(uint32_t lengthMs) {
    if (lengthMs != 0) settings_.lengthMs = lengthMs;
}

}  // namespace host
