#pragma once

#include <SDL.h>

namespace player {

// The virtual-key code the demo asks for that an SDL key stands for, or 0 for keys it never
// asks about: the jump keys 1-9, 0 and P, and the cancel keys space, return and escape.
int VirtualKeyFor(SDL_Keycode key);
// The same for mouse buttons: left 0x01, right 0x02.
int VirtualKeyForButton(Uint8 button);

}  // namespace player
