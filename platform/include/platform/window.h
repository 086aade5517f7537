#pragma once

#include <cstdint>

namespace platform {

// A window handle: an HWND on Windows, a platform window object on Linux.
using Window = void*;
using Instance = void*;

// Window messages the system uses (the Windows values).
namespace messages {
inline constexpr uint32_t kClose = 0x0010;
inline constexpr uint32_t kUser = 0x0400;
inline constexpr uint32_t kMciNotify = 0x03B9;
}  // namespace messages

using WindowProcedure = intptr_t (*)(Window window, uint32_t message, uintptr_t wParam, intptr_t lParam);

// Registers a window class once; false if the name is taken or registration failed.
bool RegisterWindowClass(const char* className, WindowProcedure procedure, Instance instance);
bool IsWindowClassRegistered(const char* className, Instance instance);

// A hidden top-level window of a registered class. Null on failure.
Window CreateHiddenWindow(const char* className, const char* title, Instance instance);
void DestroyWindow(Window window);

// The module instance a window was created with.
Instance WindowInstance(Window window);
void SetWindowUserData(Window window, intptr_t data);
intptr_t WindowUserData(Window window);
intptr_t DefaultWindowProcedure(Window window, uint32_t message, uintptr_t wParam, intptr_t lParam);

bool PostWindowMessage(Window window, uint32_t message, uintptr_t wParam, intptr_t lParam);
// Dispatches every message waiting for this thread's windows to their procedures; returns false
// once a quit request was seen.
bool PumpMessages();

// The instance handle of the module containing this code (the demo library's own on Windows).
Instance CurrentModuleInstance();

// Linux: a host window with a 640 x 480-style framebuffer of 24-bit pixels (blue, green, red; top
// row first; pitch = width * 3). Windows hosts create their own windows.
Window CreateFramebufferWindow(const char* title, int width, int height);
uint8_t* WindowFramebuffer(Window window, int* width, int* height, int* pitch);

}  // namespace platform
