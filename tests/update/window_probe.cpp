#include "window_probe.h"

namespace update::testing {
namespace {

struct Search {
    DWORD processId;
    const char* className;
    const char* caption;
    bool exceptCaption;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<Search*>(parameter);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !::IsWindowVisible(window)) return TRUE;
    if (ClassNameOf(window) != search->className) return TRUE;
    if (search->caption != nullptr && (WindowText(window) == search->caption) == search->exceptCaption) return TRUE;
    search->found = window;
    return FALSE;
}

BOOL CALLBACK CollectControl(HWND control, LPARAM parameter) {
    auto* controls = reinterpret_cast<std::vector<ControlSnapshot>*>(parameter);
    controls->push_back(ControlSnapshot{ClassNameOf(control), ::GetDlgCtrlID(control), WindowText(control),
                                        static_cast<DWORD>(::GetWindowLongA(control, GWL_STYLE))});
    return TRUE;
}

}  // namespace

HWND FindProcessWindow(DWORD processId, const char* className, const char* caption, bool exceptCaption) {
    Search search{processId, className, caption, exceptCaption, nullptr};
    ::EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForProcessWindow(DWORD processId, const char* className, const char* caption, bool exceptCaption,
                          DWORD timeoutMs) {
    const DWORD start = ::GetTickCount();
    for (;;) {
        if (HWND found = FindProcessWindow(processId, className, caption, exceptCaption)) return found;
        if (::GetTickCount() - start > timeoutMs) return nullptr;
        ::Sleep(20);
    }
}

std::string WindowText(HWND window) {
    // Sent, so that controls of another process answer with their own text.
    char text[1024] = {};
    DWORD_PTR length = 0;
    ::SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000,
                          &length);
    return text;
}

std::string ClassNameOf(HWND window) {
    char name[256] = {};
    ::GetClassNameA(window, name, sizeof name);
    return name;
}

std::vector<ControlSnapshot> Controls(HWND parent) {
    std::vector<ControlSnapshot> controls;
    ::EnumChildWindows(parent, CollectControl, reinterpret_cast<LPARAM>(&controls));
    return controls;
}

std::string MessageBoxText(HWND box) {
    std::string text;
    for (const ControlSnapshot& control : Controls(box)) {
        if (control.className == "Static") text += control.text;
    }
    return text;
}

}  // namespace update::testing
