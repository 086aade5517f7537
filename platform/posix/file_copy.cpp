#include "platform/file_copy.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <string>

#include "platform/file_name.h"
#include "platform/system_failure.h"

namespace platform {
namespace {

constexpr mode_t kAnyWrite = S_IWUSR | S_IWGRP | S_IWOTH;

// Windows refuses to overwrite a read-only file even for an administrator; Linux lets root write
// anything, so the refusal is made here.
bool RefusesOverwrite(const std::string& name) {
    struct stat info {};
    if (::stat(name.c_str(), &info) != 0) return false;
    return S_ISDIR(info.st_mode) || (info.st_mode & S_IWUSR) == 0;
}

bool WriteAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}

bool CopyContents(int from, int to) {
    char buffer[65536];
    for (;;) {
        ssize_t got = ::read(from, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (got == 0) return true;
        if (!WriteAll(to, buffer, static_cast<size_t>(got))) return false;
    }
}

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return fd_; }
    bool Close() {
        int fd = fd_;
        fd_ = -1;
        return fd < 0 || ::close(fd) == 0;
    }

private:
    int fd_;
};

}  // namespace

bool CopyFileOverwriting(const char* source, const char* destination) {
    if (source == nullptr || destination == nullptr) return false;
    const std::string from = NativeFileName(source);
    const std::string to = NativeFileName(destination);
    // Each failing step leaves its call and error for the caller to report.
    auto failed = [](const char* call) {
        detail::RecordSystemFailure(call);
        return false;
    };
    Descriptor input(::open(from.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat info {};
    if (input.Get() < 0 || ::fstat(input.Get(), &info) != 0) return failed("open");
    if (!S_ISREG(info.st_mode)) {
        errno = EISDIR;
        return failed("open");
    }
    if (RefusesOverwrite(to)) {
        errno = EACCES;
        return failed("open");
    }
    Descriptor output(::open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, S_IRUSR | S_IWUSR));
    if (output.Get() < 0) return failed("open");
    if (!CopyContents(input.Get(), output.Get())) return failed("write");
    if (::fchmod(output.Get(), info.st_mode & 07777) != 0) return failed("fchmod");
    return output.Close() || failed("close");
}

bool NameFitsPathLimit(const char* name) {
    const std::string native = NativeFileName(name);
    if (native.size() >= PATH_MAX) return false;
    size_t start = 0;
    for (size_t slash = native.find('/'); start <= native.size(); slash = native.find('/', start)) {
        if (slash == std::string::npos) slash = native.size();
        if (slash - start > NAME_MAX) return false;
        start = slash + 1;
    }
    return true;
}

bool MoveFileReplacing(const char* from, const char* to) {
    if (from == nullptr || to == nullptr) return false;
    const std::string target = NativeFileName(to);
    if (RefusesOverwrite(target)) return false;
    return std::rename(NativeFileName(from).c_str(), target.c_str()) == 0;
}

bool DeleteFileNamed(const char* name) {
    if (name == nullptr) return false;
    const std::string native = NativeFileName(name);
    struct stat info {};
    if (::stat(native.c_str(), &info) != 0 || S_ISDIR(info.st_mode) || (info.st_mode & S_IWUSR) == 0) return false;
    return ::unlink(native.c_str()) == 0;
}

bool ReadFileAttributes(const char* name, uint32_t* attributes) {
    if (name == nullptr) return false;
    struct stat info {};
    if (::stat(NativeFileName(name).c_str(), &info) != 0) return false;
    uint32_t found = 0;
    if (S_ISDIR(info.st_mode)) found |= attributes::kDirectory;
    if ((info.st_mode & S_IWUSR) == 0) found |= attributes::kReadOnly;
    *attributes = found != 0 ? found : attributes::kNormal;
    return true;
}

bool WriteFileAttributes(const char* name, uint32_t attributes) {
    if (name == nullptr) return false;
    const std::string native = NativeFileName(name);
    struct stat info {};
    if (::stat(native.c_str(), &info) != 0) return false;
    mode_t mode = info.st_mode & 07777;
    mode = (attributes & attributes::kReadOnly) != 0 ? (mode & ~kAnyWrite) : (mode | S_IWUSR);
    return ::chmod(native.c_str(), mode) == 0;
}

}  // namespace platform
