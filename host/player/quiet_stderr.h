#pragma once

#include <fcntl.h>
#include <unistd.h>

namespace player {

// Sends the process's standard error to /dev/null for the object's lifetime. The sound
// libraries below SDL write several lines of their own when there is no sound card; the player
// says what matters in one line of its own instead.
class QuietStderr {
public:
    QuietStderr() {
        saved_ = ::dup(STDERR_FILENO);
        const int sink = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (saved_ >= 0 && sink >= 0) ::dup2(sink, STDERR_FILENO);
        if (sink >= 0) ::close(sink);
    }
    ~QuietStderr() {
        if (saved_ < 0) return;
        ::dup2(saved_, STDERR_FILENO);
        ::close(saved_);
    }
    QuietStderr(const QuietStderr&) = delete;
    QuietStderr& operator=(const QuietStderr&) = delete;

private:
    int saved_ = -1;
};

}  // namespace player
