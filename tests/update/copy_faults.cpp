#include "copy_faults.h"

#include <string>
#include <utility>

#ifdef _WIN32
#include <windows.h>
#else
#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#endif

namespace update::testing {

#ifdef _WIN32

namespace {

bool UnderWine() {
    HMODULE ntdll = ::GetModuleHandleA("ntdll.dll");
    return ntdll != nullptr && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

// Wine runs this program as a 32-bit Linux process, whose own system calls reach the kernel
// through interrupt 0x80 with the i386 numbers.
long LinuxCall(long number, long first, long second, long third, long fourth) {
    long result;
    asm volatile("int $0x80" : "=a"(result) : "a"(number), "b"(first), "c"(second), "d"(third), "S"(fourth) : "memory");
    return result;
}

constexpr long kRtSigaction = 174;
constexpr long kPrlimit64 = 340;
constexpr long kFileSizeResource = 1;  // RLIMIT_FSIZE
constexpr long kFileSizeSignal = 25;   // SIGXFSZ
constexpr long kSignalSetBytes = 8;

// struct sigaction as the i386 kernel takes it: handler, flags, restorer, mask.
struct LinuxSignalAction {
    uint32_t words[5];
};

constexpr DWORD kBlock = 65536;

DWORD WINAPI ServeOneBlock(void* pipe) {
    HANDLE handle = pipe;
    if (!::ConnectNamedPipe(handle, nullptr) && ::GetLastError() != ERROR_PIPE_CONNECTED) return 1;
    std::string block(kBlock, 'p');
    DWORD written = 0;
    ::WriteFile(handle, block.data(), kBlock, &written, nullptr);
    ::FlushFileBuffers(handle);  // returns once the reader has taken the block
    ::DisconnectNamedPipe(handle);
    return 0;
}

}  // namespace

FileSizeLimit::FileSizeLimit(uint64_t limit) {
    if (!UnderWine()) return;
    if (LinuxCall(kPrlimit64, 0, kFileSizeResource, 0, reinterpret_cast<long>(saved_)) != 0) return;
    const LinuxSignalAction ignore{{1 /* SIG_IGN */, 0, 0, 0, 0}};
    if (LinuxCall(kRtSigaction, kFileSizeSignal, reinterpret_cast<long>(&ignore), reinterpret_cast<long>(savedSignal_),
                  kSignalSetBytes) != 0) {
        return;
    }
    const uint64_t lowered[2] = {limit, saved_[1]};
    active_ = LinuxCall(kPrlimit64, 0, kFileSizeResource, reinterpret_cast<long>(lowered), 0) == 0;
    if (!active_) LinuxCall(kRtSigaction, kFileSizeSignal, reinterpret_cast<long>(savedSignal_), 0, kSignalSetBytes);
}

FileSizeLimit::~FileSizeLimit() {
    if (!active_) return;
    LinuxCall(kPrlimit64, 0, kFileSizeResource, reinterpret_cast<long>(saved_), 0);
    LinuxCall(kRtSigaction, kFileSizeSignal, reinterpret_cast<long>(savedSignal_), 0, kSignalSetBytes);
}

UnreadableSource::UnreadableSource(Where where) {
    if (where == Where::kFromTheStart) {
        if (UnderWine()) {
            folder_ = "Z:\\proc\\self\\";
            name_ = "mem";
        }
        return;
    }
    const std::string path = "\\\\.\\pipe\\update-test-" + std::to_string(::GetCurrentProcessId()) + "-source.dat";
    HANDLE pipe = ::CreateNamedPipeA(path.c_str(), PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE | PIPE_WAIT, 1, kBlock * 2, 0,
                                     0, nullptr);
    if (pipe == INVALID_HANDLE_VALUE) return;
    pipe_ = pipe;
    server_ = ::CreateThread(nullptr, 0, ServeOneBlock, pipe, 0, nullptr);
    if (server_ == nullptr) return;
    folder_ = path.substr(0, path.rfind('\\') + 1);
    name_ = path.substr(folder_.size());
}

UnreadableSource::~UnreadableSource() {
    if (server_ != nullptr && ::WaitForSingleObject(server_, 0) == WAIT_TIMEOUT) {
        // Nobody read it (the copy failed before): take the block so that the server ends.
        HANDLE reader = ::CreateFileA((folder_ + name_).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        char buffer[4096];
        DWORD got = 0;
        while (reader != INVALID_HANDLE_VALUE && ::ReadFile(reader, buffer, sizeof buffer, &got, nullptr) && got > 0) {
        }
        if (reader != INVALID_HANDLE_VALUE) ::CloseHandle(reader);
    }
    if (server_ != nullptr) {
        ::WaitForSingleObject(server_, 10000);
        ::CloseHandle(server_);
    }
    if (pipe_ != nullptr) ::CloseHandle(pipe_);
}

FolderRefusingNewFiles::FolderRefusingNewFiles(std::string folder) : folder_(std::move(folder)) {}
FolderRefusingNewFiles::~FolderRefusingNewFiles() = default;

#else

namespace {

// Lets this thread pass files' permissions (as root does) or not; true when that changed.
bool SetDacOverride(bool on) {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2] = {};
    if (::syscall(SYS_capget, &header, data) != 0) return false;
    const uint32_t bit = 1u << CAP_DAC_OVERRIDE;
    if (((data[0].effective & bit) != 0) == on) return false;
    data[0].effective = on ? (data[0].effective | bit) : (data[0].effective & ~bit);
    return ::syscall(SYS_capset, &header, data) == 0;
}

}  // namespace

FileSizeLimit::FileSizeLimit(uint64_t limit) {
    rlimit old{};
    if (::getrlimit(RLIMIT_FSIZE, &old) != 0) return;
    saved_[0] = old.rlim_cur;
    saved_[1] = old.rlim_max;
    savedHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit lowered{static_cast<rlim_t>(limit), old.rlim_max};
    active_ = ::setrlimit(RLIMIT_FSIZE, &lowered) == 0;
}

FileSizeLimit::~FileSizeLimit() {
    const rlimit old{static_cast<rlim_t>(saved_[0]), static_cast<rlim_t>(saved_[1])};
    if (active_) ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, savedHandler_ != SIG_ERR ? savedHandler_ : SIG_DFL);
}

UnreadableSource::UnreadableSource(Where where) {
    // Linux fails no read of a regular file part-way without privileges (or a broken disk).
    if (where == Where::kFromTheStart) {
        folder_ = "/proc/self/";
        name_ = "mem";
    }
}
UnreadableSource::~UnreadableSource() = default;

FolderRefusingNewFiles::FolderRefusingNewFiles(std::string folder) : folder_(std::move(folder)) {
    struct stat info {};
    if (::stat(folder_.c_str(), &info) != 0) return;
    savedMode_ = info.st_mode & 07777;
    ::chmod(folder_.c_str(), savedMode_ & ~0222u);
    overrideDropped_ = SetDacOverride(false);
    const std::string probe = folder_ + "probe";
    std::FILE* made = std::fopen(probe.c_str(), "wb");
    active_ = made == nullptr;
    if (made != nullptr) {
        std::fclose(made);
        std::remove(probe.c_str());
    }
}

FolderRefusingNewFiles::~FolderRefusingNewFiles() {
    if (overrideDropped_) SetDacOverride(true);
    if (savedMode_ != 0) ::chmod(folder_.c_str(), savedMode_);
}

#endif

}  // namespace update::testing
