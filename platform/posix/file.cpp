#include "platform/file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "file_arrival.h"
#include "platform/file_name.h"
#include "platform/system_failure.h"

namespace platform {

ReadFile& ReadFile::operator=(ReadFile&& other) noexcept {
    if (this != &other) {
        Close();
        handle_ = other.handle_;
        other.handle_ = kNoHandle;
    }
    return *this;
}

bool ReadFile::Open(const char* name) {
    Close();
    if (name == nullptr) return false;
    int fd = ::open(FileNameAsFound(name).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        detail::RecordSystemFailure("open");
        return false;
    }
    struct stat info {};
    // A folder opens on Linux but not as a file on Windows; refuse it the same way.
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        if (S_ISDIR(info.st_mode)) errno = EISDIR;
        detail::RecordSystemFailure("open");
        ::close(fd);
        return false;
    }
    handle_ = fd;
    return true;
}

bool ReadFile::Size(uint32_t* size) const {
    struct stat info {};
    if (!IsOpen() || ::fstat(static_cast<int>(handle_), &info) != 0) return false;
    if (info.st_size < 0 || static_cast<unsigned long long>(info.st_size) > 0xFFFFFFFFull) return false;
    *size = static_cast<uint32_t>(info.st_size);
    return true;
}

bool ReadFile::Read(void* buffer, uint32_t count, uint32_t* got) {
    *got = 0;
    if (!IsOpen()) return false;
    if (!detail::AwaitFileBytes(static_cast<int>(handle_), count)) {
        detail::RecordSystemFailureText("read", "The file was still arriving, and these bytes will not come.");
        return false;
    }
    auto* out = static_cast<char*>(buffer);
    while (*got < count) {
        ssize_t n = ::read(static_cast<int>(handle_), out + *got, count - *got);
        if (n < 0) {
            if (errno == EINTR) continue;
            detail::RecordSystemFailure("read");
            return false;
        }
        if (n == 0) break;
        *got += static_cast<uint32_t>(n);
    }
    return true;
}

bool ReadFile::Seek(uint32_t offset) {
    return IsOpen() && ::lseek(static_cast<int>(handle_), static_cast<off_t>(offset), SEEK_SET) >= 0;
}

void ReadFile::Close() {
    if (IsOpen()) ::close(static_cast<int>(handle_));
    handle_ = kNoHandle;
}

}  // namespace platform
