#pragma once

#include <cstdint>

#include "platform/window.h"

namespace platform {

// A host's main window that shows a 24-bit framebuffer (blue, green, red; top row first). The
// host draws into the framebuffer and shows rectangles of it; other code may also draw onto the
// window itself (a DIB blit), which CaptureHostWindow brings back into the framebuffer.
// Linux: the platform's framebuffer window, which is its own display. Windows: a real window
// backed by a DIB section, hidden unless asked to be visible.
Window CreateHostWindow(const char* title, int width, int height, bool visible);
void DestroyHostWindow(Window window);

// Null when the window is not a host window.
uint8_t* HostWindowFramebuffer(Window window, int* width, int* height, int* pitch);

// Puts the framebuffer's rectangle on the screen (Windows); nothing to do on Linux.
void ShowHostWindowRect(Window window, int x, int y, int width, int height);

// Reads what a visible window shows back into its framebuffer (Windows); a no-op on Linux and
// for hidden windows, whose framebuffer already is what they show.
bool CaptureHostWindow(Window window);

}  // namespace platform
