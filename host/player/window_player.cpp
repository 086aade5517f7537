#include "host/player/window_player.h"

#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "host/kit/host_kit.h"
#include "host/kit/wav_length.h"
#include "host/player/asset_folder.h"
#include "host/player/audio_output.h"
#include "host/player/key_map.h"
#include "host/player/quiet_stderr.h"
#include "host/player/timeline.h"
#include "host/player/user_folders.h"
#include "host/runner/demo_run.h"
#include "platform/clock.h"
#include "platform/keys.h"
#include "platform/mci.h"
#include "platform/process_path.h"
#include "png/png_file.h"

namespace player {
namespace {

struct SdlSession {
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr;
    ~SdlSession() {
        if (texture) SDL_DestroyTexture(texture);
        if (renderer) SDL_DestroyRenderer(renderer);
        if (window) SDL_DestroyWindow(window);
        SDL_Quit();
    }
};

// Everything the frame callback and the sleep hook share.
struct PlayState {
    SdlSession* sdl = nullptr;
    host::HostKit* kit = nullptr;
    AudioOutput* audio = nullptr;
    bool hostRefuses = false;
    bool overlay = false;
    bool quit = false;
    bool fullscreen = false;
    Scaling scaling = Scaling::kSmooth;
    bool paused = false;
    uint32_t frames = 0;
    uint32_t fpsFrames = 0;
    uint32_t fpsSince = 0;
    double fps = 0.0;
    uint32_t lastOverlay = 0;
    // Keys pressed and let go within one pump stay down until the next, so that the demo, which
    // looks at the keys once a frame, sees even the shortest tap.
    std::vector<int> pressedThisPump;
    std::vector<int> releaseNextPump;
};

void SetKey(PlayState& state, int key, bool down) {
    if (down) {
        state.pressedThisPump.push_back(key);
    } else if (std::find(state.pressedThisPump.begin(), state.pressedThisPump.end(), key) !=
               state.pressedThisPump.end()) {
        state.releaseNextPump.push_back(key);
        return;
    }
    platform::SetKeyDown(key, down);
}

// The music time on screen: the host's music position, or the demo's own player's.
uint32_t MusicMs(PlayState& state) {
    return state.hostRefuses ? state.audio->SinkPositionMs() : state.kit->Sound().PositionMs();
}

// "12.345 s": how the player's messages give the music time.
std::string Seconds(uint32_t ms) {
    char text[32];
    std::snprintf(text, sizeof text, "%u.%03u s", ms / 1000, ms % 1000);
    return text;
}

// Messages go on a line of their own even while the overlay rewrites its line.
void Say(const PlayState& state, const std::string& text) {
    std::fprintf(stderr, "%s%s\n", state.overlay ? "\n" : "", text.c_str());
}

void SaveScreenshot(PlayState& state) {
    int pitch = 0;
    const uint8_t* pixels = state.kit->Window().Framebuffer(&pitch);
    if (pixels == nullptr) return;
    const std::string folder = ScreenshotFolder();
    std::string error;
    if (folder.empty()) {
        Say(state, "prelo-play: no screenshot: neither XDG_PICTURES_DIR nor HOME names a folder");
        return;
    }
    if (!MakeFolders(folder, &error)) {
        Say(state, "prelo-play: no screenshot: " + error);
        return;
    }
    char name[64];
    std::snprintf(name, sizeof name, "/prelo-shot-%06u.png", MusicMs(state));
    const std::string path = folder + name;
    if (png::WriteBgrFrame(path.c_str(), pixels, host::HostWindow::kWidth, host::HostWindow::kHeight, pitch)) {
        Say(state, "screenshot: " + path);
    } else {
        Say(state, "prelo-play: no screenshot: cannot write " + path);
    }
}

// Pausing holds both clocks the demo may be timed by: the audio device's (the host's music)
// and the system's (the demo's own music player).
void SetPaused(PlayState& state, bool paused) {
    platform::HoldClock(paused);
    state.audio->SetPaused(paused);
    state.paused = paused;
    Say(state, std::string(paused ? "paused at " : "playing on from ") + Seconds(MusicMs(state)));
}

// One frame on: to the next frame time of a render at the default rate, so that a still taken
// here matches a frame of the rendered video.
void StepFrame(PlayState& state) {
    const uint32_t now = MusicMs(state);
    const uint32_t next = NextFrameTime(now, PlayerOptions{}.fps);
    platform::AdvanceHeldClock(next - now);
    state.audio->Step(next - now);
    Say(state, "step to " + Seconds(MusicMs(state)));
}

void SayVolume(PlayState& state) {
    Say(state,
        state.audio->Muted() ? std::string("sound off") : "volume " + std::to_string(state.audio->Volume()) + " %");
}

void ApplyScaling(PlayState& state) {
    const bool integer = state.scaling == Scaling::kInteger;
    SDL_RenderSetIntegerScale(state.sdl->renderer, integer ? SDL_TRUE : SDL_FALSE);
    SDL_SetTextureScaleMode(state.sdl->texture, integer ? SDL_ScaleModeNearest : SDL_ScaleModeLinear);
}

void Perform(PlayState& state, PlayerAction action, bool repeat) {
    // Holding a key down repeats only the volume steps.
    if (repeat && action != PlayerAction::kVolumeUp && action != PlayerAction::kVolumeDown) return;
    switch (action) {
        case PlayerAction::kPause:
            // Not before the music has started: the start resets the music clock.
            if (state.frames > 0) SetPaused(state, !state.paused);
            break;
        case PlayerAction::kStep:
            if (state.paused) StepFrame(state);
            break;
        case PlayerAction::kMute:
            state.audio->SetMuted(!state.audio->Muted());
            SayVolume(state);
            break;
        case PlayerAction::kVolumeUp:
        case PlayerAction::kVolumeDown:
            state.audio->SetMuted(false);
            state.audio->SetVolume(state.audio->Volume() + (action == PlayerAction::kVolumeUp ? 10 : -10));
            SayVolume(state);
            break;
        case PlayerAction::kFullscreen:
            state.fullscreen = !state.fullscreen;
            SDL_SetWindowFullscreen(state.sdl->window, state.fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
            Say(state, state.fullscreen ? "fullscreen" : "in a window");
            break;
        case PlayerAction::kScaling:
            state.scaling = state.scaling == Scaling::kSmooth ? Scaling::kInteger : Scaling::kSmooth;
            ApplyScaling(state);
            Say(state, state.scaling == Scaling::kInteger ? "scaling: integer" : "scaling: smooth");
            break;
        case PlayerAction::kScreenshot:
            SaveScreenshot(state);
            break;
        case PlayerAction::kOverlay:
            state.overlay = !state.overlay;
            if (!state.overlay) SDL_SetWindowTitle(state.sdl->window, "Prelo");
            break;
        case PlayerAction::kNone:
            break;
    }
}

// Reads the window's events into the key table and the player's own controls. Runs every frame
// and, through the sleep hook, while the demo waits for a key to be let go.
void PumpEvents(PlayState& state) {
    for (int key : state.releaseNextPump) platform::SetKeyDown(key, false);
    state.releaseNextPump.clear();
    state.pressedThisPump.clear();
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        switch (event.type) {
            case SDL_QUIT:
                state.quit = true;
                break;
            case SDL_KEYDOWN:
            case SDL_KEYUP: {
                const bool down = event.type == SDL_KEYDOWN;
                const PlayerAction action = PlayerActionFor(event.key.keysym.sym, event.key.keysym.mod);
                if (down && action != PlayerAction::kNone) {
                    Perform(state, action, event.key.repeat != 0);
                    break;  // the player's key: the demo never sees it go down
                }
                if (int key = VirtualKeyFor(event.key.keysym.sym)) SetKey(state, key, down);
                break;
            }
            case SDL_MOUSEBUTTONDOWN:
            case SDL_MOUSEBUTTONUP:
                if (int key = VirtualKeyForButton(event.button.button)) {
                    SetKey(state, key, event.type == SDL_MOUSEBUTTONDOWN);
                }
                break;
            default:
                break;
        }
    }
}

void ShowFrame(PlayState& state) {
    state.kit->Window().Capture();
    int pitch = 0;
    const uint8_t* pixels = state.kit->Window().Framebuffer(&pitch);
    if (pixels != nullptr) SDL_UpdateTexture(state.sdl->texture, nullptr, pixels, pitch);
    SDL_RenderClear(state.sdl->renderer);
    SDL_RenderCopy(state.sdl->renderer, state.sdl->texture, nullptr, nullptr);
    SDL_RenderPresent(state.sdl->renderer);
}

void UpdateOverlay(PlayState& state) {
    const uint32_t now = SDL_GetTicks();
    ++state.fpsFrames;
    if (now - state.fpsSince >= 500) {
        state.fps = state.fpsFrames * 1000.0 / (now - state.fpsSince);
        state.fpsFrames = 0;
        state.fpsSince = now;
    }
    if (!state.overlay || now - state.lastOverlay < 250) return;
    state.lastOverlay = now;
    const uint32_t music = MusicMs(state);
    char text[128];
    std::snprintf(text, sizeof text, "Prelo  %3u.%03u s  scene %d  %.0f fps", music / 1000, music % 1000,
                  SceneAt(music), state.fps);
    SDL_SetWindowTitle(state.sdl->window, text);
    std::fprintf(stderr, "\r%s   ", text);
}

}  // namespace

int PlayInWindow(const PlayerOptions& options, const std::string& assets, const host::DemoLibraries& libraries,
                 PlayerSettings* remembered) {
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        std::fprintf(stderr, "prelo-play: no display (%s); render to files instead with --render OUT\n",
                     SDL_GetError());
        return 5;
    }
    SdlSession sdl;
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, options.scaling == Scaling::kSmooth ? "linear" : "nearest");
    sdl.window = SDL_CreateWindow("Prelo", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 640, 480,
                                  SDL_WINDOW_RESIZABLE | (options.fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0));
    if (sdl.window != nullptr) {
        sdl.renderer = SDL_CreateRenderer(sdl.window, -1, SDL_RENDERER_PRESENTVSYNC);
        if (sdl.renderer == nullptr) sdl.renderer = SDL_CreateRenderer(sdl.window, -1, SDL_RENDERER_SOFTWARE);
    }
    if (sdl.renderer != nullptr) {
        SDL_RenderSetLogicalSize(sdl.renderer, 640, 480);  // scales with the window, aspect kept
        SDL_RenderSetIntegerScale(sdl.renderer, options.scaling == Scaling::kInteger ? SDL_TRUE : SDL_FALSE);
        sdl.texture = SDL_CreateTexture(sdl.renderer, SDL_PIXELFORMAT_BGR24, SDL_TEXTUREACCESS_STREAMING, 640, 480);
    }
    if (sdl.texture == nullptr) {
        std::fprintf(stderr, "prelo-play: cannot open a window (%s); try --render OUT\n", SDL_GetError());
        return 5;
    }

    // The host plays the music unless told to accept only another number; then the demo's own
    // player takes over and plays through the same audio output.
    const bool hostRefuses = options.musicNumber >= 0 && options.musicNumber != DemoMusicNumber(assets);
    AudioOutput audio;
    std::string audioError;
    const std::string wav = assets + "/Vuvi01.wav";
    bool audioStarted = false;
    {
        QuietStderr quiet;
        audioStarted = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    }
    if (!audioStarted) {
        audioError = SDL_GetError();
    } else if (!hostRefuses) {
        audio.LoadMusic(wav, options.loopMusic, &audioError);
    }
    if (!audioError.empty())
        std::fprintf(stderr, "prelo-play: no audio device (%s): playing silent\n", audioError.c_str());
    audio.SetVolume(remembered->volume);

    host::HostKitSettings settings;
    settings.headless = false;
    settings.sound.refuse = hostRefuses;
    if (uint32_t length = 0; host::WavFileLengthMs(wav.c_str(), &length)) settings.sound.lengthMs = length;
    // On the host's path the music clock is the audio device's; the demo's own player keeps time
    // on the system clock and only sends its samples here.
    host::HostKit kit(settings, hostRefuses ? nullptr : &audio);
    if (hostRefuses) platform::SetMciAudioSink(&audio);

    PlayState state;
    state.sdl = &sdl;
    state.kit = &kit;
    state.audio = &audio;
    state.hostRefuses = hostRefuses;
    state.overlay = options.overlay;
    state.fullscreen = options.fullscreen;
    state.scaling = options.scaling;
    state.fpsSince = SDL_GetTicks();
    platform::SetSleepHook([](void* context) { PumpEvents(*static_cast<PlayState*>(context)); }, &state);

    kit.Loop().SetFrameCallback([&state](uint32_t) {
        // The demo has just asked the host to start the music and waits for it to report a
        // position: the sound and its clock start together, here.
        if (state.frames++ == 0) state.audio->Resume();
        PumpEvents(state);
        if (state.quit) return false;
        ShowFrame(state);
        UpdateOverlay(state);
        return true;
    });

    host::DemoRunOptions run;
    run.assetsFolder = assets;
    run.loopMusic = options.loopMusic;
    run.keyCancel = options.keyCancel;
    host::DemoRunReport report;
    host::RunDemo(kit, libraries, run, &report);

    platform::SetSleepHook(nullptr, nullptr);
    platform::SetMciAudioSink(nullptr);
    platform::HoldClock(false);
    remembered->fullscreen = state.fullscreen;
    remembered->scaling = state.scaling;
    remembered->volume = audio.Volume();
    platform::ReleaseAllKeys();
    if (state.overlay) std::fprintf(stderr, "\n");
    if (!report.initSucceeded) {
        std::fprintf(stderr,
                     "prelo-play: the demo did not start: its files in %s are damaged or incomplete "
                     "(see the messages above)\n",
                     assets.c_str());
        return 3;
    }
    return 0;
}

}  // namespace player
