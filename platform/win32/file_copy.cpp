#include "platform/file_copy.h"

#include <windows.h>

#include <cstring>

#include "platform/read_buffer.h"
#include "platform/system_failure.h"

namespace platform {
namespace {

bool Failed(const char* call) {
    detail::RecordSystemFailure(call);
    return false;
}

bool FailedWith(const char* call, DWORD code) {
    detail::RecordSystemFailureCode(call, code);
    return false;
}

class Handle {
public:
    explicit Handle(HANDLE handle = INVALID_HANDLE_VALUE) : handle_(handle) {}
    ~Handle() { Close(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE Get() const { return handle_; }
    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    void Reset(HANDLE handle) {
        Close();
        handle_ = handle;
    }
    bool Close() {
        HANDLE handle = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        return handle == INVALID_HANDLE_VALUE || ::CloseHandle(handle) != FALSE;
    }

private:
    HANDLE handle_;
};

// Windows refuses to replace a read-only file; Wine run by root does not, so ask first.
bool IsReadOnlyFile(const char* name) {
    DWORD existing = ::GetFileAttributesA(name);
    return existing != INVALID_FILE_ATTRIBUTES && (existing & FILE_ATTRIBUTE_READONLY) != 0;
}

// A copy's source, open for shared reading, and what the copy takes from it besides its bytes.
// The copy is made here rather than by CopyFileA, which under Wine reports success when a read
// fails part-way and leaves the copy cut short.
struct Source {
    Handle file;
    DWORD attributes = FILE_ATTRIBUTE_NORMAL;
    FILETIME written{};
    bool hasTime = false;

    bool Open(const char* name) {
        HANDLE opened = ::CreateFileA(name, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
        if (opened == INVALID_HANDLE_VALUE) return Failed("CreateFileA");
        file.Reset(opened);
        DWORD found = ::GetFileAttributesA(name);
        if (found != INVALID_FILE_ATTRIBUTES) attributes = found;
        hasTime = ::GetFileTime(opened, nullptr, nullptr, &written) != FALSE;
        return true;
    }

    // The copy's last write time and attributes are the source's, as CopyFileA gives them.
    bool Stamp(Handle& output, const char* destination) const {
        if (hasTime) ::SetFileTime(output.Get(), nullptr, nullptr, &written);
        if (!output.Close()) return Failed("CloseHandle");
        return ::SetFileAttributesA(destination, attributes) != FALSE || Failed("SetFileAttributesA");
    }
};

bool WriteAll(HANDLE file, const char* data, size_t size) {
    while (size > 0) {
        const DWORD chunk = size > 0x100000 ? 0x100000 : static_cast<DWORD>(size);
        DWORD written = 0;
        if (!::WriteFile(file, data, chunk, &written, nullptr)) return Failed("WriteFile");
        if (written == 0) return FailedWith("WriteFile", ERROR_HANDLE_DISK_FULL);
        data += written;
        size -= written;
    }
    return true;
}

bool WriteAllAt(HANDLE file, const char* data, size_t size, LONGLONG at) {
    LARGE_INTEGER position{};
    position.QuadPart = at;
    if (!::SetFilePointerEx(file, position, nullptr, FILE_BEGIN)) return Failed("SetFilePointerEx");
    return WriteAll(file, data, size);
}

bool CopyContents(HANDLE from, HANDLE to) {
    static constexpr DWORD kBlock = 65536;
    char buffer[kBlock];
    for (;;) {
        DWORD got = 0;
        if (!::ReadFile(from, buffer, kBlock, &got, nullptr)) return Failed("ReadFile");
        if (got == 0) return true;
        if (!WriteAll(to, buffer, got)) return false;
    }
}

bool ReadToEnd(HANDLE file, detail::ReadBuffer& bytes) {
    for (;;) {
        size_t room = 0;
        char* at = bytes.Room(&room);
        if (at == nullptr) return FailedWith("ReadFile", ERROR_NOT_ENOUGH_MEMORY);
        DWORD got = 0;
        if (!::ReadFile(file, at, static_cast<DWORD>(room), &got, nullptr)) return Failed("ReadFile");
        if (got == 0) return true;
        bytes.Took(got);
    }
}

bool SetSize(HANDLE file, LONGLONG size) {
    LARGE_INTEGER position{};
    position.QuadPart = size;
    return ::SetFilePointerEx(file, position, nullptr, FILE_BEGIN) && ::SetEndOfFile(file);
}

}  // namespace

bool CopyFileOverwriting(const char* source, const char* destination) {
    Source from;
    if (!from.Open(source)) return false;
    if (IsReadOnlyFile(destination)) return FailedWith("CreateFileA", ERROR_ACCESS_DENIED);
    Handle output(::CreateFileA(destination, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!output.IsOpen()) return Failed("CreateFileA");
    return CopyContents(from.file.Get(), output.Get()) && from.Stamp(output, destination);
}

bool RewriteFileInPlace(const char* source, const char* destination) {
    Source from;
    if (!from.Open(source)) return false;
    LARGE_INTEGER reported{};
    const bool sized = ::GetFileSizeEx(from.file.Get(), &reported) && reported.QuadPart < 0x7FFFFFFF;
    detail::ReadBuffer bytes(sized ? static_cast<size_t>(reported.QuadPart) : 0);
    if (!ReadToEnd(from.file.Get(), bytes)) return false;
    if (IsReadOnlyFile(destination)) return FailedWith("CreateFileA", ERROR_ACCESS_DENIED);
    // Opened without truncating: until the new bytes are ready to go in, the old ones stay.
    Handle output(::CreateFileA(destination, GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!output.IsOpen()) return Failed("CreateFileA");
    const bool made = ::GetLastError() != ERROR_ALREADY_EXISTS;
    auto failedAfterOpen = [&](const char* call) {
        const DWORD code = ::GetLastError();
        output.Close();
        if (made) ::DeleteFileA(destination);
        return FailedWith(call, code);
    };
    LARGE_INTEGER old{};
    if (!::GetFileSizeEx(output.Get(), &old)) return failedAfterOpen("GetFileSizeEx");
    const auto newSize = static_cast<LONGLONG>(bytes.Size());
    // What lies past the old end goes in first, over no old byte, and is on the disk before the
    // rest: a full disk fails it with the old file whole (cut back to its length), and after it
    // the rest only overwrites space the file already holds. (Growing the file with SetEndOfFile
    // would not do: Wine grows it without claiming the space.)
    if (newSize > old.QuadPart) {
        if (!WriteAllAt(output.Get(), bytes.Data() + old.QuadPart, static_cast<size_t>(newSize - old.QuadPart),
                        old.QuadPart) ||
            !::FlushFileBuffers(output.Get())) {
            const DWORD code = ::GetLastError();
            SetSize(output.Get(), old.QuadPart);
            ::SetLastError(code);
            return failedAfterOpen("WriteFile");
        }
    }
    const LONGLONG overwritten = newSize < old.QuadPart ? newSize : old.QuadPart;
    if (!WriteAllAt(output.Get(), bytes.Data(), static_cast<size_t>(overwritten), 0)) {
        return failedAfterOpen("WriteFile");
    }
    if (!SetSize(output.Get(), newSize)) return failedAfterOpen("SetEndOfFile");
    return from.Stamp(output, destination);
}

NewFile MakeEmptyFile(const char* name) {
    DWORD code = ERROR_ACCESS_DENIED;
    if (!IsReadOnlyFile(name)) {
        Handle made(::CreateFileA(name, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (made.IsOpen()) return made.Close() ? NewFile::kMade : (Failed("CloseHandle"), NewFile::kFailed);
        code = ::GetLastError();
    }
    detail::RecordSystemFailureCode("CreateFileA", code);
    switch (code) {
        case ERROR_ACCESS_DENIED:  // the folder's permissions, a folder of that name, a read-only file
        case ERROR_FILENAME_EXCED_RANGE:
        case ERROR_INVALID_NAME:
            return NewFile::kRefused;
        default:
            return NewFile::kFailed;
    }
}

bool NameFitsPathLimit(const char* name) { return std::strlen(name) < MAX_PATH; }  // the narrow calls' limit

bool MoveFileReplacing(const char* from, const char* to) {
    if (IsReadOnlyFile(to)) return FailedWith("MoveFileExA", ERROR_ACCESS_DENIED);
    if (::MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING) != FALSE) return true;
    return Failed("MoveFileExA");
}

bool DeleteFileNamed(const char* name) { return ::DeleteFileA(name) != FALSE; }

bool ReadFileAttributes(const char* name, uint32_t* attributes) {
    DWORD found = ::GetFileAttributesA(name);
    if (found == INVALID_FILE_ATTRIBUTES) return false;
    *attributes = found;
    return true;
}

bool WriteFileAttributes(const char* name, uint32_t attributes) {
    return ::SetFileAttributesA(name, attributes) != FALSE;
}

}  // namespace platform
