#include "host/player/key_map.h"

#include "platform/keys.h"

namespace player {

int VirtualKeyFor(SDL_Keycode key) {
    if (key >= SDLK_0 && key <= SDLK_9) return '0' + static_cast<int>(key - SDLK_0);
    if (key >= SDLK_KP_1 && key <= SDLK_KP_9) return '1' + static_cast<int>(key - SDLK_KP_1);
    switch (key) {
        case SDLK_KP_0:
            return '0';
        case SDLK_p:
            return 'P';
        case SDLK_SPACE:
            return platform::keys::kSpace;
        case SDLK_RETURN:
        case SDLK_KP_ENTER:
            return platform::keys::kReturn;
        case SDLK_ESCAPE:
            return platform::keys::kEscape;
        default:
            return 0;
    }
}

PlayerAction PlayerActionFor(SDL_Keycode key, Uint16 modifiers, bool escapeQuits) {
    const bool ctrl = (modifiers & KMOD_CTRL) != 0;
    const bool alt = (modifiers & KMOD_ALT) != 0;
    switch (key) {
        case SDLK_q:
            return PlayerAction::kQuit;
        case SDLK_ESCAPE:
            return escapeQuits ? PlayerAction::kQuit : PlayerAction::kNone;
        case SDLK_PAUSE:
            return PlayerAction::kPause;
        case SDLK_p:
            return ctrl ? PlayerAction::kPause : PlayerAction::kNone;
        case SDLK_RETURN:
        case SDLK_KP_ENTER:
            return alt ? PlayerAction::kFullscreen : PlayerAction::kNone;
        case SDLK_F11:
            return PlayerAction::kFullscreen;
        case SDLK_PERIOD:
            return PlayerAction::kStep;
        case SDLK_m:
            return PlayerAction::kMute;
        case SDLK_PLUS:
        case SDLK_EQUALS:
        case SDLK_KP_PLUS:
            return PlayerAction::kVolumeUp;
        case SDLK_MINUS:
        case SDLK_KP_MINUS:
            return PlayerAction::kVolumeDown;
        case SDLK_s:
            return PlayerAction::kScaling;
        case SDLK_F12:
            return PlayerAction::kScreenshot;
        case SDLK_F1:
            return PlayerAction::kOverlay;
        default:
            return PlayerAction::kNone;
    }
}

int VirtualKeyForButton(Uint8 button) {
    if (button == SDL_BUTTON_LEFT) return platform::keys::kLeftButton;
    if (button == SDL_BUTTON_RIGHT) return platform::keys::kRightButton;
    return 0;
}

}  // namespace player
