#pragma once

#include <cstdint>

#include "platform/window.h"

namespace platform {

// A host's main window with a 24-bit framebuffer (blue, green, red; top row first). The host
// presents rectangles of its own pixels to it; other code may also draw onto the window itself
// (a DIB blit), which CaptureHostWindow brings back into the framebuffer.
// Linux: the platform's framebuffer window, which is its own display. Windows: a real window,
// hidden unless asked to be visible.
Window CreateHostWindow(const char* title, int width, int height, bool visible);
void DestroyHostWindow(Window window);

// Null when the window is not a host window. What was last presented, or for a visible window
// on Windows what the last CaptureHostWindow read.
uint8_t* HostWindowFramebuffer(Window window, int* width, int* height, int* pitch);

// Puts a rectangle of 24-bit pixels (pixels at (0, 0), pitch bytes a row, in the layout of the
// framebuffer) at the same place of the window: into the framebuffer, or on the screen for a
// visible window on Windows. The rectangle is clipped to the window.
void PresentHostWindowRect(Window window, const uint8_t* pixels, int pitch, int x, int y, int width, int height);

// Reads what a visible window shows back into its framebuffer (Windows); a no-op on Linux and
// for hidden windows, whose framebuffer already is what they show.
bool CaptureHostWindow(Window window);

}  // namespace platform
