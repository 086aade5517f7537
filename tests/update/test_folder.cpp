#include "test_folder.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

#ifdef _WIN32
#include <direct.h>
#include <io.h>
#include <process.h>
#else
#include <unistd.h>
#endif

namespace update::testing {
namespace {

#ifdef _WIN32
constexpr char kSeparator = '\\';
bool MakeDirectory(const std::string& path) { return ::_mkdir(path.c_str()) == 0; }
bool RemoveDirectory(const std::string& path) { return ::_rmdir(path.c_str()) == 0; }
std::string TemporaryRoot() {
    const char* temp = std::getenv("TEMP");
    return temp != nullptr ? temp : ".";
}
int ProcessId() { return ::_getpid(); }
#else
constexpr char kSeparator = '/';
bool MakeDirectory(const std::string& path) { return ::mkdir(path.c_str(), 0755) == 0; }
bool RemoveDirectory(const std::string& path) { return ::rmdir(path.c_str()) == 0; }
std::string TemporaryRoot() {
    const char* temp = std::getenv("TMPDIR");
    return temp != nullptr ? temp : "/tmp";
}
int ProcessId() { return static_cast<int>(::getpid()); }
#endif

}  // namespace

TestFolder::TestFolder() {
    static int counter = 0;
    for (int attempt = 0; attempt < 1000; ++attempt) {
        std::string candidate = TemporaryRoot() + kSeparator + "update-test-" + std::to_string(ProcessId()) + "-" +
                                std::to_string(counter++);
        if (MakeDirectory(candidate)) {
            path_ = candidate + kSeparator;
            return;
        }
    }
    std::abort();
}

TestFolder::~TestFolder() {
    for (auto it = made_.rbegin(); it != made_.rend(); ++it) std::remove(it->c_str());
    // What the program under test made is unknown here: clear the whole tree.
    RemoveTree("");
    RemoveDirectory(path_.substr(0, path_.size() - 1));
}

void TestFolder::RemoveTree(const std::string& relative) {
    for (const std::string& name : List(relative)) {
        const std::string inner = relative.empty() ? name : relative + "/" + name;
        SetReadOnly(inner, false);
        if (std::remove(Native(inner).c_str()) != 0) {
            RemoveTree(inner);
            RemoveDirectory(Native(inner));
        }
    }
}

std::string TestFolder::Native(const std::string& relative) const {
    std::string native = path_ + relative;
    std::replace(native.begin(), native.end(), '/', kSeparator);
    return native;
}

std::string TestFolder::MakeFolder(const std::string& relative) {
    std::string native = Native(relative);
    MakeDirectory(native);
    return native + kSeparator;
}

std::string TestFolder::Write(const std::string& relative, const std::string& bytes) {
    std::string native = Native(relative);
    SetReadOnly(relative, false);
    std::ofstream(native, std::ios::binary | std::ios::trunc) << bytes;
    return native;
}

std::string TestFolder::Read(const std::string& relative, bool* ok) const {
    std::ifstream file(Native(relative), std::ios::binary);
    if (ok != nullptr) *ok = static_cast<bool>(file);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

bool TestFolder::Exists(const std::string& relative) const {
    struct stat info {};
    return ::stat(Native(relative).c_str(), &info) == 0;
}

void TestFolder::SetReadOnly(const std::string& relative, bool readOnly) {
    struct stat info {};
    const std::string native = Native(relative);
    if (::stat(native.c_str(), &info) != 0) return;
    ::chmod(native.c_str(), readOnly ? (info.st_mode & ~0222) : (info.st_mode | 0200));
}

bool TestFolder::IsReadOnly(const std::string& relative) const {
    struct stat info {};
    return ::stat(Native(relative).c_str(), &info) == 0 && (info.st_mode & 0200) == 0;
}

std::vector<std::string> TestFolder::List(const std::string& relative) const {
    std::vector<std::string> names;
    std::string folder = Native(relative);
    if (!folder.empty() && folder.back() == kSeparator) folder.pop_back();
    if (DIR* dir = ::opendir(folder.c_str())) {
        while (dirent* entry = ::readdir(dir)) {
            std::string name = entry->d_name;
            if (name != "." && name != "..") names.push_back(name);
        }
        ::closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace update::testing
