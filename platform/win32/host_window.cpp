#include "platform/host_window.h"

#include <windows.h>

#include <new>

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

// The framebuffer is 24-bit, as the host draws and reads it; what goes on the screen is first
// copied into a 32-bit plane, the displays' own format, because a 24-bit source makes the
// system convert every pixel of every frame in its slowest path.
struct HostWindowState {
    DibPlane frame;
    DibPlane shown;
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

// Copies a rectangle of the framebuffer into the 32-bit plane and puts it on the window.
void ShowRect(HostWindowState* state, HDC dc, int x, int y, int width, int height) {
    if (x < 0) width += x, x = 0;
    if (y < 0) height += y, y = 0;
    if (width > state->width - x) width = state->width - x;
    if (height > state->height - y) height = state->height - y;
    if (width <= 0 || height <= 0) return;
    for (int row = y; row < y + height; ++row) {
        const uint8_t* in = state->frame.bits + static_cast<size_t>(row) * state->pitch + static_cast<size_t>(x) * 3;
        uint8_t* out = state->shown.bits + (static_cast<size_t>(row) * state->width + x) * 4;
        for (int i = 0; i < width; ++i, in += 3, out += 4) {
            out[0] = in[0];
            out[1] = in[1];
            out[2] = in[2];
            out[3] = 0;
        }
    }
    ::BitBlt(dc, x, y, width, height, state->shown.memory, x, y, SRCCOPY);
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
            if (HostWindowState* state = StateOf(window)) ShowRect(state, dc, 0, 0, state->width, state->height);
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
    HWND window =
        ::CreateWindowExA(exStyle, kClassName, title ? title : "", style, CW_USEDEFAULT, CW_USEDEFAULT,
                          frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        FreeState(state);
        return nullptr;
    }
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

void ShowHostWindowRect(Window window, int x, int y, int width, int height) {
    HostWindowState* state = StateOf(window);
    if (state == nullptr || !::IsWindowVisible(static_cast<HWND>(window))) return;
    HDC dc = ::GetDC(static_cast<HWND>(window));
    if (dc == nullptr) return;
    ShowRect(state, dc, x, y, width, height);
    ::ReleaseDC(static_cast<HWND>(window), dc);
}

bool CaptureHostWindow(Window window) {
    HostWindowState* state = StateOf(window);
    if (state == nullptr) return false;
    if (!::IsWindowVisible(static_cast<HWND>(window))) return true;
    HDC dc = ::GetDC(static_cast<HWND>(window));
    if (dc == nullptr) return false;
    const bool copied = ::BitBlt(state->frame.memory, 0, 0, state->width, state->height, dc, 0, 0, SRCCOPY) != 0;
    ::ReleaseDC(static_cast<HWND>(window), dc);
    ::GdiFlush();
    return copied;
}

}  // namespace platform
