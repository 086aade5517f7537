#pragma once

#include <SDL.h>

namespace player {

// The virtual-key code the demo asks for that an SDL key stands for, or 0 for keys it never
// asks about: the jump keys 1-9, 0 and P, and the cancel keys space, return and escape.
int VirtualKeyFor(SDL_Keycode key);
// The same for mouse buttons: left 0x01, right 0x02.
int VirtualKeyForButton(Uint8 button);

// The player's own controls. A key pressed for one of them is the player's alone: it never
// reaches the demo's key table, so Ctrl+P does not jump and Alt+Enter does not cancel.
enum class PlayerAction {
    kNone,
    kQuit,   // Q; escape too, unless the demo takes it as its cancel key
    kPause,  // Pause, Ctrl+P
    kStep,   // period, while paused
    kMute,   // M
    kVolumeUp,
    kVolumeDown,  // + and -, also on the keypad
    kFullscreen,  // F11, Alt+Enter
    kScaling,     // S: smooth or integer
    kScreenshot,  // F12
    kOverlay,     // F1
};
// escapeQuits: the demo does not take escape as its cancel key (--key-cancel not given).
PlayerAction PlayerActionFor(SDL_Keycode key, Uint16 modifiers, bool escapeQuits);

}  // namespace player
