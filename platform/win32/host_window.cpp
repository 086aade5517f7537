#include "platform/host_window.h"

#include <windows.h>

#include <new>

#include "platform/pixel_rows.h"

namespace platform {
namespace {

constexpr char kClassName[] = "PreloHostWindow";

// A DIB section selected into a memory device context.
struct DibPlane {
    HBITMAP bitmap = nullptr;
    HDC memory = nullptr;
    HGDIOBJ previous = nullptr;
    uint8_t* bits = nullptr;
};

// The framebuffer is 24-bit, as the host reads it. A hidden window's framebuffer takes each
// presented frame; a shown window's takes what the screen shows when it is captured, and each
// frame goes to the screen through a 32-bit plane, the displays' own format, because a 24-bit
// source makes the system convert every pixel of every frame in its slowest path. The plane
// also repaints the window. The window's class gives it a device context of its own, kept here,
// so showing a frame asks the system for none.
struct HostWindowState {
    DibPlane frame;
    DibPlane shown;
    HDC windowDc = nullptr;
    int width = 0;
    int height = 0;
    int pitch = 0;
};

bool CreatePlane(int width, int height, int bitsPerPixel, DibPlane* plane) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = static_cast<WORD>(bitsPerPixel);
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    plane->bitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    plane->memory = ::CreateCompatibleDC(nullptr);
    if (plane->bitmap == nullptr || plane->memory == nullptr || bits == nullptr) return false;
    plane->previous = ::SelectObject(plane->memory, plane->bitmap);
    plane->bits = static_cast<uint8_t*>(bits);
    return true;
}

void FreePlane(DibPlane& plane) {
    if (plane.memory) {
        if (plane.previous) ::SelectObject(plane.memory, plane.previous);
        ::DeleteDC(plane.memory);
    }
    if (plane.bitmap) ::DeleteObject(plane.bitmap);
}

HostWindowState* StateOf(Window window) {
    if (window == nullptr) return nullptr;
    char name[32] = {};
    if (::GetClassNameA(static_cast<HWND>(window), name, sizeof name) == 0) return nullptr;
    if (::lstrcmpA(name, kClassName) != 0) return nullptr;
    return reinterpret_cast<HostWindowState*>(::GetWindowLongPtrA(static_cast<HWND>(window), GWLP_USERDATA));
}

LRESULT CALLBACK HostWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = ::BeginPaint(window, &paint);
            if (HostWindowState* state = StateOf(window))
                ::BitBlt(dc, 0, 0, state->width, state->height, state->shown.memory, 0, 0, SRCCOPY);
            ::EndPaint(window, &paint);
            return 0;
        }
        case WM_CLOSE:
            // The host's loop sees the quit request and ends the demo; the host destroys the window.
            ::PostQuitMessage(0);
            return 0;
        default:
            return ::DefWindowProcA(window, message, wParam, lParam);
    }
}

bool RegisterHostClass(HINSTANCE instance) {
    WNDCLASSA found{};
    if (::GetClassInfoA(instance, kClassName, &found)) return true;
    WNDCLASSA windowClass{};
    windowClass.style = CS_OWNDC;
    windowClass.lpfnWndProc = HostWindowProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.lpszClassName = kClassName;
    return ::RegisterClassA(&windowClass) != 0;
}

void FreeState(HostWindowState* state) {
    if (state == nullptr) return;
    FreePlane(state->frame);
    FreePlane(state->shown);
    delete state;
}

HostWindowState* CreateState(int width, int height) {
    auto* state = new (std::nothrow) HostWindowState();
    if (state == nullptr) return nullptr;
    if (!CreatePlane(width, height, 24, &state->frame) || !CreatePlane(width, height, 32, &state->shown)) {
        FreeState(state);
        return nullptr;
    }
    state->width = width;
    state->height = height;
    state->pitch = (width * 3 + 3) & ~3;
    ::ZeroMemory(state->frame.bits, static_cast<size_t>(state->pitch) * static_cast<size_t>(height));
    ::ZeroMemory(state->shown.bits, static_cast<size_t>(width) * 4 * static_cast<size_t>(height));
    return state;
}

}  // namespace

Window CreateHostWindow(const char* title, int width, int height, bool visible) {
    if (width <= 0 || height <= 0) return nullptr;
    HINSTANCE instance = ::GetModuleHandleA(nullptr);
    if (!RegisterHostClass(instance)) return nullptr;
    HostWindowState* state = CreateState(width, height);
    if (state == nullptr) return nullptr;
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT frame{0, 0, width, height};
    ::AdjustWindowRect(&frame, style, FALSE);
    // Kept above other windows: what they covered would be missing when the frame is read back.
    const DWORD exStyle = visible ? WS_EX_TOPMOST : 0;
    // A window that is never shown is message-only: it takes messages and device contexts as any
    // window does but has no place on the display. Under wine that matters: a thread with a
    // window on the display reads its display connection on every key-state and message query,
    // a dozen times a frame for the demo.
    HWND parent = visible ? nullptr : HWND_MESSAGE;
    HWND window =
        ::CreateWindowExA(exStyle, kClassName, title ? title : "", style, CW_USEDEFAULT, CW_USEDEFAULT,
                          frame.right - frame.left, frame.bottom - frame.top, parent, nullptr, instance, nullptr);
    if (window == nullptr) {
        FreeState(state);
        return nullptr;
    }
    state->windowDc = ::GetDC(window);
    ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
    if (visible) {
        ::ShowWindow(window, SW_SHOWNORMAL);
        ::UpdateWindow(window);
    }
    return window;
}

void DestroyHostWindow(Window window) {
    HostWindowState* state = StateOf(window);
    if (state == nullptr) return;
    ::SetWindowLongPtrA(static_cast<HWND>(window), GWLP_USERDATA, 0);
    ::DestroyWindow(static_cast<HWND>(window));
    FreeState(state);
}

uint8_t* HostWindowFramebuffer(Window window, int* width, int* height, int* pitch) {
    HostWindowState* state = StateOf(window);
    if (state == nullptr) return nullptr;
    if (width) *width = state->width;
    if (height) *height = state->height;
    if (pitch) *pitch = state->pitch;
    return state->frame.bits;
}

void PresentHostWindowRect(Window window, const uint8_t* pixels, int pitch, int x, int y, int width, int height) {
    HostWindowState* state = StateOf(window);
    if (state == nullptr || pixels == nullptr || !ClipRectToPlane(state->width, state->height, &x, &y, &width, &height))
        return;
    if (!::IsWindowVisible(static_cast<HWND>(window))) {
        CopyBgrRect(state->frame.bits, state->pitch, pixels, pitch, x, y, width, height);
        return;
    }
    if (state->windowDc == nullptr) return;
    for (int row = y; row < y + height; ++row) {
        WidenBgrRow(pixels + static_cast<size_t>(row) * pitch + static_cast<size_t>(x) * 3,
                    state->shown.bits + (static_cast<size_t>(row) * state->width + x) * 4, width);
    }
    ::BitBlt(state->windowDc, x, y, width, height, state->shown.memory, x, y, SRCCOPY);
}

bool CaptureHostWindow(Window window) {
    HostWindowState* state = StateOf(window);
    if (state == nullptr) return false;
    if (!::IsWindowVisible(static_cast<HWND>(window))) return true;
    if (state->windowDc == nullptr) return false;
    const bool copied =
        ::BitBlt(state->frame.memory, 0, 0, state->width, state->height, state->windowDc, 0, 0, SRCCOPY) != 0;
    ::GdiFlush();
    return copied;
}

}  // namespace platform
