#pragma once

#include <cstdint>
#include <string>

namespace update::testing {

// Real faults for a copy to meet, made with the system's own means and undone when they go.

// Files of this process cannot grow past limit bytes: a write beyond fails as on a full disk
// (the signal Linux sends for it is ignored meanwhile). Under Wine the process is a Linux
// process and takes the limit the same way; on Windows itself there is none (Active() is false).
class FileSizeLimit {
public:
    explicit FileSizeLimit(uint64_t limit);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    bool Active() const { return active_; }

private:
    bool active_ = false;
    uint64_t saved_[2] = {};        // the limit before: current and maximum
    uint32_t savedSignal_[5] = {};  // Linux's record of the signal's handling before, under Wine
    void (*savedHandler_)(int) = nullptr;
};

// A source that opens as a file but fails when read. From its first byte: the process's own
// memory file under /proc (address 0 is never mapped), on Linux and under Wine. Past its first
// block: a named pipe that serves one block and then drops its reader, on Windows. Folder() +
// Name() is its path; Active() is false where the system offers no such source.
class UnreadableSource {
public:
    enum class Where { kFromTheStart, kPastTheFirstBlock };
    explicit UnreadableSource(Where where);
    ~UnreadableSource();
    UnreadableSource(const UnreadableSource&) = delete;
    UnreadableSource& operator=(const UnreadableSource&) = delete;
    bool Active() const { return !folder_.empty(); }
    const std::string& Folder() const { return folder_; }
    const std::string& Name() const { return name_; }

private:
    std::string folder_;
    std::string name_;
    void* pipe_ = nullptr;
    void* server_ = nullptr;
};

// folder (ending in its separator) takes no new file while this lives, yet its files stay
// writable; root's power to pass that is put aside on this thread meanwhile. Active() is false
// where the system still lets the process make one, and always on Windows, which has no such
// switch short of the folder's access list (and Wine does not enforce that).
class FolderRefusingNewFiles {
public:
    explicit FolderRefusingNewFiles(std::string folder);
    ~FolderRefusingNewFiles();
    FolderRefusingNewFiles(const FolderRefusingNewFiles&) = delete;
    FolderRefusingNewFiles& operator=(const FolderRefusingNewFiles&) = delete;
    bool Active() const { return active_; }

private:
    std::string folder_;
    unsigned savedMode_ = 0;
    bool active_ = false;
    bool overrideDropped_ = false;
};

}  // namespace update::testing
