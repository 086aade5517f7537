#include "platform/command_line.h"

#include <unistd.h>

#include <fstream>
#include <iterator>
#include <mutex>
#include <string>

namespace platform {
namespace {

std::string ProgramPath() {
    std::string path(4096, '\0');
    ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size() - 1);
    if (length <= 0) return {};
    path.resize(static_cast<size_t>(length));
    return path;
}

// The arguments after the program name, NUL-separated as the kernel keeps them.
std::string Arguments() {
    std::ifstream file("/proc/self/cmdline", std::ios::binary);
    std::string all((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    size_t end = all.find('\0');
    if (end == std::string::npos) return {};
    std::string arguments;
    for (size_t start = end + 1; start < all.size();) {
        size_t stop = all.find('\0', start);
        if (stop == std::string::npos) stop = all.size();
        arguments += ' ';
        arguments.append(all, start, stop - start);
        start = stop + 1;
    }
    return arguments;
}

std::string BuildCommandLine() {
    std::string program = ProgramPath();
    std::string line = "\"Z:";
    for (char c : program) line += c == '/' ? '\\' : c;
    line += '"';
    return line + Arguments();
}

}  // namespace

const char* ProcessCommandLine() {
    static std::once_flag once;
    static std::string commandLine;
    std::call_once(once, [] { commandLine = BuildCommandLine(); });
    return commandLine.c_str();
}

}  // namespace platform
