#include "host/player/window_player.h"

#include <SDL.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "host/kit/host_kit.h"
#include "host/player/audio_output.h"
#include "host/player/key_map.h"
#include "host/player/overlay.h"
#include "host/player/quiet_stderr.h"
#include "host/player/timeline.h"
#include "host/player/user_folders.h"
#include "platform/clock.h"
#include "platform/keys.h"
#include "platform/mci.h"
#include "png/png_file.h"
#include "tools/console/exit_status.h"

namespace player {

struct WindowPlayer::Session {
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr;
    ~Session() {
        if (texture) SDL_DestroyTexture(texture);
        if (renderer) SDL_DestroyRenderer(renderer);
        if (window) SDL_DestroyWindow(window);
        SDL_Quit();
    }
};

namespace {

using SdlSession = WindowPlayer::Session;

// Everything the frame callback and the sleep hook share.
struct PlayState {
    SdlSession* sdl = nullptr;
    host::HostKit* kit = nullptr;
    AudioOutput* audio = nullptr;
    bool hostRefuses = false;
    bool escapeQuits = true;
    bool overlay = false;
    // The overlay's line on standard error too (--print-overlay): in place on a terminal, a line
    // a scene elsewhere.
    bool overlayToTerminal = false;
    bool terminal = false;
    int lastPrintedScene = -2;
    std::string overlayText;
    std::vector<uint8_t> overlayFrame;  // the picture with the overlay drawn over it
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
    std::fprintf(stderr, "%s%s\n", state.overlayToTerminal && state.terminal ? "\n" : "", text.c_str());
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
            break;
        case PlayerAction::kQuit:
            state.quit = true;
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
                const PlayerAction action =
                    PlayerActionFor(event.key.keysym.sym, event.key.keysym.mod, state.escapeQuits);
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
    // The overlay goes on a copy: the window's own picture is what screenshots take.
    if (pixels != nullptr && state.overlay && !state.overlayText.empty()) {
        const size_t size = static_cast<size_t>(pitch) * host::HostWindow::kHeight;
        state.overlayFrame.assign(pixels, pixels + size);
        DrawOverlay(state.overlayFrame.data(), host::HostWindow::kWidth, host::HostWindow::kHeight, pitch,
                    state.overlayText);
        pixels = state.overlayFrame.data();
    }
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
    if (!(state.overlay || state.overlayToTerminal) || now - state.lastOverlay < 250) return;
    state.lastOverlay = now;
    const uint32_t music = MusicMs(state);
    const int scene = SceneAt(music);
    state.overlayText = OverlayText(music, scene, state.fps);
    if (!state.overlayToTerminal) return;
    if (state.terminal) {
        std::fprintf(stderr, "\r%s   ", state.overlayText.c_str());
    } else if (scene != state.lastPrintedScene) {
        std::fprintf(stderr, "%s\n", state.overlayText.c_str());
    }
    state.lastPrintedScene = scene;
}

bool IsDriverThatShowsNothing(const char* driver) {
    return driver != nullptr && (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0);
}

}  // namespace

WindowPlayer::WindowPlayer() = default;
WindowPlayer::~WindowPlayer() = default;

bool WindowPlayer::OpenDisplay(std::string* error) {
    const char* named = SDL_getenv("SDL_VIDEODRIVER");
    const bool driverNamed = named != nullptr && named[0] != '\0';
    const char* instead = "; render the demo to files instead with --render OUT";
    bool started = false;
    {
        // The display libraries below SDL say their own piece when they find no display.
        QuietStderr quiet;
        started = SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) == 0;
    }
    if (!started) {
        *error = "no display to open a window on (" + std::string(SDL_GetError()) + ")" + instead;
        return false;
    }
    sdl_ = std::make_unique<Session>();
    if (!driverNamed && IsDriverThatShowsNothing(SDL_GetCurrentVideoDriver())) {
        sdl_.reset();
        std::string why = "neither DISPLAY nor WAYLAND_DISPLAY is set";
        for (const char* variable : {"WAYLAND_DISPLAY", "DISPLAY"}) {
            const char* value = SDL_getenv(variable);
            if (value != nullptr && value[0] != '\0') why = std::string(variable) + " " + value + " did not answer";
        }
        *error = "no display to open a window on (" + why + ")" + instead;
        return false;
    }
    return true;
}

int WindowPlayer::Play(const PlayerOptions& options, PlayerRun& run, PlayerSettings* remembered) {
    Session& sdl = *sdl_;
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
        Tell(std::string("cannot open a window (") + SDL_GetError() +
             "); render the demo to files instead with --render OUT");
        return console::kNoDisplay;
    }

    // The host plays the music unless told to accept only another number; then the demo's own
    // player takes over and plays through the same audio output.
    const bool hostRefuses = run.HostRefusesMusic();
    AudioOutput audio;
    std::string audioError;
    bool audioStarted = false;
    {
        QuietStderr quiet;
        audioStarted = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    }
    if (!audioStarted) {
        Tell(std::string("no audio device (") + SDL_GetError() + "): playing silent");
    } else if (!hostRefuses && !audio.LoadMusic(run.MusicFile(), options.loopMusic, &audioError)) {
        Tell("cannot play " + run.MusicFile() + " (" + audioError + "): playing silent");
    }
    audio.SetVolume(remembered->volume);

    PlayState state;
    state.sdl = &sdl;
    state.audio = &audio;
    state.hostRefuses = hostRefuses;
    state.escapeQuits = !options.keyCancel;
    state.overlay = options.overlay;
    state.overlayToTerminal = options.overlayToTerminal;
    state.terminal = ::isatty(STDERR_FILENO) != 0;
    state.fullscreen = options.fullscreen;
    state.scaling = options.scaling;
    state.fpsSince = SDL_GetTicks();
    platform::SetSleepHook([](void* context) { PumpEvents(*static_cast<PlayState*>(context)); }, &state);

    // Each run from a scene's start (--watch) stands the music there first.
    const host::DemoRunReport report = run.RunRestarting([&](uint32_t fromMs) {
        platform::HoldClock(false);
        state.paused = false;
        audio.Rewind(fromMs);
        // On the host's path the music clock is the audio device's; the demo's own player keeps
        // time on the system clock and only sends its samples here.
        host::HostKit kit(run.KitSettings(false, fromMs), hostRefuses ? nullptr : &audio);
        if (hostRefuses) platform::SetMciAudioSink(&audio);
        state.kit = &kit;
        state.frames = 0;
        kit.Loop().SetFrameCallback([&state, &run](uint32_t) {
            // The demo has just asked the host to start the music and waits for it to report a
            // position: the sound and its clock start together, here.
            if (state.frames++ == 0) state.audio->Resume();
            PumpEvents(state);
            if (state.quit) return false;
            ShowFrame(state);
            UpdateOverlay(state);
            return !run.PicturesChanged(SDL_GetTicks(), MusicMs(state));
        });
        const host::DemoRunReport once = run.Run(kit, options.loopMusic, options.keyCancel);
        state.kit = nullptr;
        return once;
    });

    platform::SetSleepHook(nullptr, nullptr);
    platform::SetMciAudioSink(nullptr);
    platform::HoldClock(false);
    remembered->fullscreen = state.fullscreen;
    remembered->scaling = state.scaling;
    remembered->volume = audio.Volume();
    platform::ReleaseAllKeys();
    if (state.overlayToTerminal && state.terminal) std::fprintf(stderr, "\n");
    return run.Outcome(report);
}

}  // namespace player
