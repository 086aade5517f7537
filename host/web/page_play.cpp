#include "host/web/page_play.h"

#include <cstdint>
#include <vector>

#include "host/kit/host_kit.h"
#include "host/kit/wav_length.h"
#include "host/runner/demo_libraries.h"
#include "host/runner/demo_run.h"
#include "host/web/built_in_modules.h"
#include "host/web/page_bridge.h"
#include "host/web/rgba_frame.h"
#include "platform/clock.h"
#include "platform/keys.h"
#include "platform/mci.h"
#include "platform/message_box.h"

namespace web {
namespace {

// The host's music plays in the page's Web Audio; its clock is the host's time, so the music's
// play position is the demo's music clock, and suspending the audio pauses the demo with it. A
// play started part-way has the clock as far on as the music.
class AudioTime final : public host::TimeSource {
public:
    explicit AudioTime(uint32_t startMs) : startMs_(startMs) {}
    uint32_t NowMs() override { return startMs_ + static_cast<uint32_t>(static_cast<uint64_t>(AudioClockMs())); }

private:
    uint32_t startMs_;
};

// The demo's own music player runs the stand-in MCI device on the platform clock; the page
// plays the same file from where the device starts.
class PageMciSink final : public platform::MciAudioSink {
public:
    void Start(const platform::WaveFormat& format, const uint8_t*, uint32_t, uint32_t fromByte) override {
        const uint64_t bytesPerSecond = uint64_t{format.samplesPerSecond} * format.blockAlign;
        PlayMusic(bytesPerSecond == 0 ? 0 : static_cast<uint32_t>(uint64_t{fromByte} * 1000 / bytesPerSecond), false);
    }
    void Stop() override { StopMusic(); }
};

// The demo polls for a jump key's release with Sleep(1); the page's key events only arrive
// when the page gets a turn.
void YieldWhileSleeping(void*) { YieldToPage(); }

}  // namespace

void SetPaused(bool paused) { platform::HoldClock(paused); }

// Run blocks its thread for the whole demo, and the browser has one thread for the page: the
// module is built with asyncify, so each KeepRunning unwinds back to the page until its next
// animation frame and then resumes where it stood. A worker posting frames would need shared
// memory (cross-origin isolation headers that a plain static host does not send) or a copy of
// every frame, and its own route for keys and sound.
PlayOutcome PlayInPage(const PlaySettings& settings) {
    RegisterBuiltInModules();
    host::DemoLibraries libraries;
    std::string error;
    if (!libraries.Load("", "Prelo", &error)) {
        ShowMessage(error.c_str());
        return PlayOutcome::kModulesMissing;
    }
    host::HostKitSettings kitSettings;
    kitSettings.headless = false;
    kitSettings.sound.refuse = settings.demoPlaysMusic;
    kitSettings.sound.startAtMs = settings.startMs;
    uint32_t length = 0;
    if (host::WavFileLengthMs((settings.assetsFolder + "/Vuvi01.wav").c_str(), &length))
        kitSettings.sound.lengthMs = length;

    AudioTime audioTime(settings.startMs);
    host::HostKit kit(kitSettings, settings.demoPlaysMusic ? nullptr : &audioTime);
    kit.Sound().SetStateCallback([&kit, &settings](int32_t, bool playing) {
        if (playing) {
            PlayMusic(kit.Sound().PositionMs(), settings.loopMusic);
        } else {
            StopMusic();
        }
    });
    PageMciSink sink;
    if (settings.demoPlaysMusic) platform::SetMciAudioSink(&sink);
    platform::SetSleepHook(&YieldWhileSleeping, nullptr);
    platform::ReleaseAllKeys();
    platform::ClearRecordedMessages();

    RgbaFrame frame;
    kit.Loop().SetFrameCallback([&kit, &frame](uint32_t) {
        kit.Window().Capture();
        int pitch = 0;
        if (const uint8_t* pixels = kit.Window().Framebuffer(&pitch)) PresentFrame(frame.From(pixels, pitch));
        return WaitForNextFrame();
    });

    host::DemoRunOptions run;
    run.assetsFolder = settings.assetsFolder;
    run.loopMusic = settings.loopMusic;
    run.keyCancel = settings.keyCancel;
    host::DemoRunReport report;
    host::RunDemo(kit, libraries, run, &report);

    StopMusic();
    platform::SetSleepHook(nullptr, nullptr);
    platform::SetMciAudioSink(nullptr);
    platform::HoldClock(false);
    // The demo's messages are its only word on what went wrong; a run that showed one did not
    // play to its end, whatever Init said.
    const std::vector<platform::RecordedMessage> messages = platform::RecordedMessages();
    for (const platform::RecordedMessage& message : messages) ShowMessage(message.text.c_str());
    if (!report.initSucceeded) {
        if (messages.empty()) ShowMessage(report.error.c_str());
        return PlayOutcome::kDidNotStart;
    }
    return messages.empty() ? PlayOutcome::kPlayed : PlayOutcome::kStoppedOnFailure;
}

}  // namespace web
