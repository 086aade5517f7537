#include "platform/mci.h"

#include <windows.h>
// mmsystem.h needs the types of windows.h.
#include <mmsystem.h>

#include "platform/system_failure.h"

namespace platform {
namespace {

// Sends one command and, when the device refuses it, records the MCI error with MCI's own words
// for it: MCI errors are not system error codes, so FormatMessage would not know them.
bool Send(MCIDEVICEID device, UINT command, DWORD flags, void* parameters, const char* call) {
    const MCIERROR error = ::mciSendCommandA(device, command, flags, reinterpret_cast<DWORD_PTR>(parameters));
    if (error == 0) return true;
    char words[256] = {};
    if (!::mciGetErrorStringA(error, words, sizeof words)) words[0] = '\0';
    detail::RecordSystemFailureText(call, words, static_cast<uint32_t>(error));
    return false;
}

// Window procedures are stdcall on Windows while the platform's are plain functions: each
// registered class gets this one stdcall entry, which finds the class's procedure by its atom.
struct NotifyClass {
    ATOM atom;
    WindowProcedure procedure;
    char name[64];
};
constexpr int kMaxNotifyClasses = 8;
NotifyClass notifyClasses[kMaxNotifyClasses];
int notifyClassCount = 0;

WindowProcedure ProcedureOf(HWND window) {
    const ATOM atom = static_cast<ATOM>(::GetClassWord(window, GCW_ATOM));
    for (int i = 0; i < notifyClassCount; ++i) {
        if (notifyClasses[i].atom == atom) return notifyClasses[i].procedure;
    }
    return nullptr;
}

LRESULT CALLBACK NotifyWindowEntry(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
        return TRUE;
    }
    WindowProcedure procedure = ProcedureOf(window);
    if (procedure == nullptr) return ::DefWindowProcA(window, message, wParam, lParam);
    return procedure(window, message, wParam, lParam);
}

}  // namespace

bool MciOpenWave(const char* fileName, Window callback, MciDeviceId* deviceId) {
    if (fileName == nullptr || deviceId == nullptr) return false;
    MCI_OPEN_PARMSA open{};
    open.dwCallback = reinterpret_cast<DWORD_PTR>(callback);
    open.lpstrDeviceType = "waveaudio";
    open.lpstrElementName = fileName;
    open.lpstrAlias = nullptr;
    const DWORD flags = MCI_OPEN_TYPE | MCI_OPEN_ELEMENT | MCI_WAIT;
    if (!Send(0, MCI_OPEN, flags, &open, "mciSendCommandA MCI_OPEN")) return false;
    *deviceId = static_cast<MciDeviceId>(open.wDeviceID);
    return true;
}

bool MciLength(MciDeviceId deviceId, uint32_t* lengthMs) {
    if (lengthMs == nullptr) return false;
    MCI_STATUS_PARMS status{};
    status.dwItem = MCI_STATUS_LENGTH;
    status.dwTrack = 0;
    if (!Send(deviceId, MCI_STATUS, MCI_STATUS_ITEM | MCI_WAIT, &status, "mciSendCommandA MCI_STATUS")) return false;
    *lengthMs = static_cast<uint32_t>(status.dwReturn);
    return true;
}

bool MciPlayFrom(MciDeviceId deviceId, uint32_t fromMs, Window callback) {
    MCI_PLAY_PARMS play{};
    play.dwCallback = reinterpret_cast<DWORD_PTR>(callback);
    play.dwFrom = fromMs;
    return Send(deviceId, MCI_PLAY, MCI_NOTIFY | MCI_FROM, &play, "mciSendCommandA MCI_PLAY");
}

bool MciStop(MciDeviceId deviceId) {
    MCI_GENERIC_PARMS generic{};
    return Send(deviceId, MCI_STOP, MCI_WAIT, &generic, "mciSendCommandA MCI_STOP");
}

bool MciClose(MciDeviceId deviceId) {
    MCI_GENERIC_PARMS generic{};
    return Send(deviceId, MCI_CLOSE, MCI_WAIT, &generic, "mciSendCommandA MCI_CLOSE");
}

bool RegisterNotifyWindowClass(const char* className, WindowProcedure procedure, Instance instance) {
    if (className == nullptr || procedure == nullptr || notifyClassCount == kMaxNotifyClasses) return false;
    if (::lstrlenA(className) >= static_cast<int>(sizeof notifyClasses[0].name)) return false;
    WNDCLASSA windowClass{};
    windowClass.style = 0;
    windowClass.lpfnWndProc = NotifyWindowEntry;
    windowClass.cbClsExtra = 0;
    windowClass.cbWndExtra = 0;
    windowClass.hInstance = static_cast<HINSTANCE>(instance);
    windowClass.lpszClassName = className;
    const ATOM atom = ::RegisterClassA(&windowClass);
    if (atom == 0) return false;
    NotifyClass& entry = notifyClasses[notifyClassCount++];
    entry.atom = atom;
    entry.procedure = procedure;
    ::lstrcpynA(entry.name, className, sizeof entry.name);
    return true;
}

void UnregisterNotifyWindowClass(const char* className, Instance instance) {
    if (className == nullptr) return;
    for (int i = 0; i < notifyClassCount; ++i) {
        if (::lstrcmpiA(notifyClasses[i].name, className) != 0) continue;
        if (::UnregisterClassA(className, static_cast<HINSTANCE>(instance)))
            notifyClasses[i] = notifyClasses[--notifyClassCount];
        return;
    }
}

Window CreateNotifyWindow(const char* className, Instance instance, void* creationParameter) {
    HWND window = ::CreateWindowExA(0, className, "", WS_DISABLED, 0, 0, 0, 0, nullptr, nullptr,
                                    static_cast<HINSTANCE>(instance), creationParameter);
    if (window == nullptr) return nullptr;
    ::ShowWindow(window, SW_HIDE);
    return window;
}

// The real device plays through the system's own audio.
void SetMciAudioSink(MciAudioSink*) {}

}  // namespace platform
