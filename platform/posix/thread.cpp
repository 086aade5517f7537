#include "platform/thread.h"

#include <pthread.h>

#include "platform/system_failure.h"

namespace platform {
namespace {

void* RunBody(void* body) {
    int result = reinterpret_cast<Thread::Body>(body)();
    return reinterpret_cast<void*>(static_cast<intptr_t>(result));
}

}  // namespace

bool Thread::Start(Body body) {
    if (body == nullptr || IsRunning()) return false;
    pthread_t thread;
    if (const int failed = ::pthread_create(&thread, nullptr, RunBody, reinterpret_cast<void*>(body)); failed != 0) {
        detail::RecordSystemFailureCode("pthread_create", static_cast<uint32_t>(failed));
        return false;
    }
    static_assert(sizeof(pthread_t) <= sizeof(handle_));
    handle_ = static_cast<uintptr_t>(thread);
    return true;
}

void Thread::Wait() {
    if (!IsRunning()) return;
    void* result = nullptr;
    if (::pthread_join(static_cast<pthread_t>(handle_), &result) == 0) {
        result_ = static_cast<int>(reinterpret_cast<intptr_t>(result));
    }
    handle_ = 0;
}

}  // namespace platform
