#pragma once

#include <cstdint>

namespace platform {

// A thread started once and waited for by its owner. The destructor waits too, so a thread never
// outlives the object that started it.
class Thread {
public:
    using Body = int (*)();

    Thread() = default;
    ~Thread() { Wait(); }
    Thread(const Thread&) = delete;
    Thread& operator=(const Thread&) = delete;

    // Starts body at once with the default stack size. False when no thread could be started or
    // this object already runs one.
    bool Start(Body body);
    // Blocks without time limit until the thread has ended and releases it. Does nothing when no
    // thread runs.
    void Wait();
    bool IsRunning() const { return handle_ != 0; }
    // The body's result after Wait; 0 before.
    int Result() const { return result_; }

private:
    uintptr_t handle_ = 0;
    int result_ = 0;
};

}  // namespace platform
