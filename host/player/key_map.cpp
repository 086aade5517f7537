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

int VirtualKeyForButton(Uint8 button) {
    if (button == SDL_BUTTON_LEFT) return platform::keys::kLeftButton;
    if (button == SDL_BUTTON_RIGHT) return platform::keys::kRightButton;
    return 0;
}

}  // namespace player
