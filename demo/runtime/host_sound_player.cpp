#include "demo/runtime/host_sound_player.h"

#include "interfaces/guids.h"
#include "interfaces/host.h"

bool HostSoundPlayer::Bind(IHostSound* hostSound, IHostClock* hostClock) {
    if (hostSound == nullptr) return false;
    repeat = static_cast<IHostSoundRepeat*>(hostSound->QueryControl(&guids::kSoundRepeat));
    if (repeat == nullptr) return false;
    position = static_cast<IHostSoundPosition*>(hostSound->QueryControl(&guids::kSoundPosition));
    if (position == nullptr) return false;
    sound = hostSound;
    clock = hostClock;
    return true;
}

bool HostSoundPlayer::Play(int32_t repeatMode) {
    if (sound == nullptr || repeat == nullptr || position == nullptr) return false;
    if (!sound->Prepare(musicNumber)) return false;
    lengthMs = position->LengthMs();
    if (lengthMs == 0) return false;
    savedRepeatMode = repeat->RepeatMode();
    if (!repeat->SetRepeatMode(repeatMode)) return false;
    looping = repeatMode == -1;
    if (sound->Start()) return true;
    if (savedRepeatMode >= -1) repeat->SetRepeatMode(savedRepeatMode);
    return false;
}

bool HostSoundPlayer::SyncStart() {
    if (position == nullptr || clock == nullptr) return false;
    const uint32_t playedMs = position->PositionMs();
    if (playedMs == 0 || playedMs >= lengthMs) return false;
    const uint32_t now = clock->NowMs();
    timeBaseMs = now < playedMs ? 0 : now - playedMs;
    return true;
}

bool HostSoundPlayer::Position(uint32_t* outMs) {
    if (clock == nullptr || outMs == nullptr) return false;
    const uint32_t elapsed = clock->NowMs() - timeBaseMs;
    *outMs = elapsed;
    if (elapsed < lengthMs) return true;
    if (!looping) return false;
    // Past the length the music has wrapped: realign the clock with where the host really is.
    // Asking only then keeps the time smooth between loops.
    const uint32_t playedMs = position != nullptr ? position->PositionMs() : 0;
    *outMs = playedMs;
    if (playedMs != 0 && playedMs < lengthMs) timeBaseMs = clock->NowMs() - playedMs;
    return true;
}

bool HostSoundPlayer::Stop() {
    if (sound == nullptr) return false;
    return sound->Stop();
}

void HostSoundPlayer::RestoreRepeatMode() {
    if (repeat != nullptr && savedRepeatMode >= -1) repeat->SetRepeatMode(savedRepeatMode);
}
