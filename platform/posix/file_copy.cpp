#include "platform/file_copy.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <string>

#include "platform/file_name.h"
#include "platform/read_buffer.h"
#include "platform/system_failure.h"

namespace platform {
namespace {

constexpr mode_t kAnyWrite = S_IWUSR | S_IWGRP | S_IWOTH;

// Each failing step leaves its call and error for the caller to report.
bool Failed(const char* call) {
    detail::RecordSystemFailure(call);
    return false;
}

// Windows refuses to overwrite a read-only file even for an administrator; Linux lets root write
// anything, so the refusal is made here. The error an overwrite of name meets, or 0.
int OverwriteRefusal(const std::string& name) {
    struct stat info {};
    if (::stat(name.c_str(), &info) != 0) return 0;
    if (S_ISDIR(info.st_mode)) return EISDIR;
    return (info.st_mode & S_IWUSR) == 0 ? EACCES : 0;
}

bool RefusesOverwrite(const std::string& name) { return OverwriteRefusal(name) != 0; }

bool WriteAll(int fd, const char* data, size_t size, off_t at) {
    while (size > 0) {
        ssize_t written = ::pwrite(fd, data, size, at);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += written;
        size -= static_cast<size_t>(written);
        at += written;
    }
    return true;
}

bool CopyContents(int from, int to) {
    char buffer[65536];
    for (off_t at = 0;;) {
        ssize_t got = ::read(from, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (got == 0) return true;
        if (!WriteAll(to, buffer, static_cast<size_t>(got), at)) return false;
        at += got;
    }
}

class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return fd_; }
    void Reset(int fd) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = fd;
    }
    bool Close() {
        int fd = fd_;
        fd_ = -1;
        return fd < 0 || ::close(fd) == 0;
    }

private:
    int fd_;
};

bool ReadToEnd(int fd, detail::ReadBuffer& bytes) {
    for (;;) {
        size_t room = 0;
        char* at = bytes.Room(&room);
        if (at == nullptr) {
            errno = ENOMEM;
            return false;
        }
        ssize_t got = ::read(fd, at, room);
        if (got < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (got == 0) return true;
        bytes.Took(static_cast<size_t>(got));
    }
}

// Opens a copy's source as Windows would: a folder or a device is no file to copy.
bool OpenSource(const std::string& name, Descriptor& input, struct stat& info) {
    input.Reset(::open(name.c_str(), O_RDONLY | O_CLOEXEC));
    if (input.Get() < 0 || ::fstat(input.Get(), &info) != 0) return Failed("open");
    if (!S_ISREG(info.st_mode)) {
        errno = EISDIR;
        return Failed("open");
    }
    return true;
}

}  // namespace

bool CopyFileOverwriting(const char* source, const char* destination) {
    if (source == nullptr || destination == nullptr) return false;
    const std::string to = NativeFileName(destination);
    Descriptor input;
    struct stat info {};
    if (!OpenSource(NativeFileName(source), input, info)) return false;
    if (RefusesOverwrite(to)) {
        errno = EACCES;
        return Failed("open");
    }
    Descriptor output(::open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, S_IRUSR | S_IWUSR));
    if (output.Get() < 0) return Failed("open");
    if (!CopyContents(input.Get(), output.Get())) return Failed("write");
    if (::fchmod(output.Get(), info.st_mode & 07777) != 0) return Failed("fchmod");
    return output.Close() || Failed("close");
}

bool RewriteFileInPlace(const char* source, const char* destination) {
    if (source == nullptr || destination == nullptr) return false;
    const std::string to = NativeFileName(destination);
    Descriptor input;
    struct stat info {};
    if (!OpenSource(NativeFileName(source), input, info)) return false;
    detail::ReadBuffer bytes(static_cast<size_t>(info.st_size));
    if (!ReadToEnd(input.Get(), bytes)) return Failed("read");
    if (RefusesOverwrite(to)) {
        errno = EACCES;
        return Failed("open");
    }
    // Opened without truncating: until the new bytes are ready to go in, the old ones stay.
    Descriptor output(::open(to.c_str(), O_WRONLY | O_CLOEXEC));
    bool made = false;
    if (output.Get() < 0 && errno == ENOENT) {
        output.Reset(::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, S_IRUSR | S_IWUSR));
        made = output.Get() >= 0;
    }
    if (output.Get() < 0) return Failed("open");
    auto failedAfterOpen = [&](const char* call) {
        const int error = errno;
        if (made) ::unlink(to.c_str());
        errno = error;
        return Failed(call);
    };
    struct stat old {};
    if (::fstat(output.Get(), &old) != 0) return failedAfterOpen("fstat");
    const auto newSize = static_cast<off_t>(bytes.Size());
    // What lies past the old end goes in first, over no old byte, and is on the disk before the
    // rest: a full disk or a size limit fails it with the old file whole (cut back to its
    // length), and after it the rest only overwrites space the file already holds.
    if (newSize > old.st_size) {
        if (!WriteAll(output.Get(), bytes.Data() + old.st_size, static_cast<size_t>(newSize - old.st_size),
                      old.st_size) ||
            ::fsync(output.Get()) != 0) {
            const int error = errno;
            if (::ftruncate(output.Get(), old.st_size) != 0) {
                // Left longer than it was; the write's failure is still the one reported.
            }
            errno = error;
            return failedAfterOpen("write");
        }
    }
    const off_t overwritten = newSize < old.st_size ? newSize : old.st_size;
    if (!WriteAll(output.Get(), bytes.Data(), static_cast<size_t>(overwritten), 0)) return failedAfterOpen("write");
    if (::ftruncate(output.Get(), newSize) != 0) return failedAfterOpen("ftruncate");
    if (::fchmod(output.Get(), info.st_mode & 07777) != 0) return failedAfterOpen("fchmod");
    return output.Close() || failedAfterOpen("close");
}

NewFile MakeEmptyFile(const char* name) {
    if (name == nullptr) return NewFile::kFailed;
    const std::string native = NativeFileName(name);
    int error = OverwriteRefusal(native);
    if (error == 0) {
        Descriptor made(::open(native.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, S_IRUSR | S_IWUSR));
        if (made.Get() >= 0) return made.Close() ? NewFile::kMade : (Failed("close"), NewFile::kFailed);
        error = errno;
    }
    errno = error;
    Failed("open");
    switch (error) {
        case EACCES:  // the folder's permissions
        case EPERM:   // an immutable or append-only folder
        case EISDIR:
        case ENAMETOOLONG:
            return NewFile::kRefused;
        default:
            return NewFile::kFailed;
    }
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
