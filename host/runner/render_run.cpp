#include "host/runner/render_run.h"

#include "host/kit/wav_length.h"
#include "platform/process_path.h"

namespace host {

HostKitSettings KitSettingsFor(const RenderOptions& options, const std::string& assetsFolder) {
    HostKitSettings settings;
    settings.headless = !options.realTime;
    settings.loop.frameStepMs = options.frameStepMs;
    settings.loop.framesPerSecond = options.framesPerSecond;
    settings.loop.stopAfterMs = options.stopAfterMs;
    settings.loop.maxFrames = options.maxFrames;
    settings.sound.refuse = !options.hostSound;
    settings.visibleWindow = options.visibleWindow;
    uint32_t musicLength = options.musicLengthMs;
    if (musicLength == 0 && !assetsFolder.empty()) {
        WavFileLengthMs((assetsFolder + platform::PathSeparator() + "Vuvi01.wav").c_str(), &musicLength);
    }
    if (musicLength != 0) settings.sound.lengthMs = musicLength;
    return settings;
}

DemoRunOptions RunOptionsFor(const RenderOptions& options, const std::string& assetsFolder) {
    DemoRunOptions run;
    run.assetsFolder = assetsFolder;
    run.loopMusic = options.loopMusic;
    run.keyCancel = options.keyCancel;
    return run;
}

}  // namespace host
