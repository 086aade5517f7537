#include "platform/file_write.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "platform/system_failure.h"

namespace platform {
namespace {

bool WriteAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        data += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}

}  // namespace

bool WriteFileReplacing(const char* name, const void* data, size_t size) {
    if (name == nullptr || (data == nullptr && size > 0)) return false;
    const std::string partial = std::string(name) + ".partial";
    // No fsync: a render writes thousands of frames, and waiting on the disk for each costs more
    // than the rare rerun after a power cut.
    const int fd = ::open(partial.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) {
        detail::RecordSystemFailure("open");
        return false;
    }
    bool written = true;
    auto failed = [&written](const char* call) {  // recorded at once, before errno moves on
        detail::RecordSystemFailure(call);
        written = false;
    };
    if (!WriteAll(fd, static_cast<const char*>(data), size)) failed("write");
    if (::close(fd) != 0 && written) failed("close");
    if (written && std::rename(partial.c_str(), name) != 0) failed("rename");
    if (written) return true;
    ::unlink(partial.c_str());
    return false;
}

}  // namespace platform
