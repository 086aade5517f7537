#include "platform/thread.h"

#include <windows.h>

#include "platform/system_failure.h"

namespace platform {
namespace {

DWORD WINAPI RunBody(LPVOID body) { return static_cast<DWORD>(reinterpret_cast<Thread::Body>(body)()); }

}  // namespace

bool Thread::Start(Body body) {
    if (body == nullptr || IsRunning()) return false;
    DWORD id = 0;
    HANDLE thread = ::CreateThread(nullptr, 0, RunBody, reinterpret_cast<LPVOID>(body), 0, &id);
    if (thread == nullptr) {
        detail::RecordSystemFailure("CreateThread");
        return false;
    }
    handle_ = reinterpret_cast<uintptr_t>(thread);
    return true;
}

void Thread::Wait() {
    if (!IsRunning()) return;
    HANDLE thread = reinterpret_cast<HANDLE>(handle_);
    ::WaitForSingleObject(thread, INFINITE);
    DWORD code = 0;
    if (::GetExitCodeThread(thread, &code)) result_ = static_cast<int>(code);
    ::CloseHandle(thread);
    handle_ = 0;
}

}  // namespace platform
