#include "platform/window.h"

#include <windows.h>

#include <cstring>

#include "platform/system_failure.h"

namespace platform {
namespace {

// The platform's procedures use the plain C calling convention, while the system calls a window
// procedure with its own (callee-pops on i686): each class gets this entry, which finds the
// class's procedure and forwards the message.
struct ClassProcedure {
    char name[64];
    WindowProcedure procedure;
};
ClassProcedure classProcedures[32];
int classCount = 0;

WindowProcedure ProcedureFor(HWND window) {
    char name[64] = {};
    ::GetClassNameA(window, name, sizeof name);
    for (int i = 0; i < classCount; ++i) {
        if (std::strcmp(classProcedures[i].name, name) == 0) return classProcedures[i].procedure;
    }
    return nullptr;
}

LRESULT CALLBACK ClassEntry(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (WindowProcedure procedure = ProcedureFor(window)) return procedure(window, message, wParam, lParam);
    return ::DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

bool RegisterWindowClass(const char* className, WindowProcedure procedure, Instance instance) {
    if (className == nullptr || procedure == nullptr || std::strlen(className) >= sizeof classProcedures[0].name ||
        classCount == static_cast<int>(sizeof classProcedures / sizeof classProcedures[0])) {
        return false;
    }
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = ClassEntry;
    windowClass.hInstance = static_cast<HINSTANCE>(instance);
    windowClass.lpszClassName = className;
    if (::RegisterClassA(&windowClass) == 0) {
        detail::RecordSystemFailure("RegisterClassA");
        return false;
    }
    std::strcpy(classProcedures[classCount].name, className);
    classProcedures[classCount].procedure = procedure;
    ++classCount;
    return true;
}

bool IsWindowClassRegistered(const char* className, Instance instance) {
    WNDCLASSA found{};
    return ::GetClassInfoA(static_cast<HINSTANCE>(instance), className, &found) != 0;
}

Window CreateHiddenWindow(const char* className, const char* title, Instance instance) {
    return ::CreateWindowExA(0, className, title, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, nullptr, nullptr, static_cast<HINSTANCE>(instance), nullptr);
}

void DestroyWindow(Window window) {
    if (window != nullptr) ::DestroyWindow(static_cast<HWND>(window));
}

Instance WindowInstance(Window window) {
    return reinterpret_cast<Instance>(::GetWindowLongPtrA(static_cast<HWND>(window), GWLP_HINSTANCE));
}

void SetWindowUserData(Window window, intptr_t data) {
    ::SetWindowLongPtrA(static_cast<HWND>(window), GWLP_USERDATA, static_cast<LONG_PTR>(data));
}

intptr_t WindowUserData(Window window) {
    return static_cast<intptr_t>(::GetWindowLongPtrA(static_cast<HWND>(window), GWLP_USERDATA));
}

intptr_t DefaultWindowProcedure(Window window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    return ::DefWindowProcA(static_cast<HWND>(window), message, wParam, lParam);
}

bool PostWindowMessage(Window window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    return ::PostMessageA(static_cast<HWND>(window), message, wParam, lParam) != 0;
}

bool PumpMessages() {
    MSG message;
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) return false;
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    return true;
}

Instance CurrentModuleInstance() {
    HMODULE module = nullptr;
    ::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         reinterpret_cast<LPCSTR>(&CurrentModuleInstance), &module);
    return module;
}

// Windows hosts own real windows and draw them themselves.
Window CreateFramebufferWindow(const char*, int, int) { return nullptr; }
uint8_t* WindowFramebuffer(Window, int*, int*, int*) { return nullptr; }

}  // namespace platform
