#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <string>
#include <vector>

// Linux only: a program run as a person runs it, through the shell.

// Single quotes for the shell, with any single quote inside closed, escaped and reopened.
inline std::string ShellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// The program with its arguments, each quoted.
inline std::string ShellCommand(const std::string& program, const std::vector<std::string>& args) {
    std::string command = ShellQuoted(program);
    for (const std::string& arg : args) command += " " + ShellQuoted(arg);
    return command;
}

struct ShellResult {
    int status = -1;     // the exit status, or -1 when the program did not exit by itself
    std::string output;  // what it printed on the streams the command line sent into the pipe
};

inline ShellResult RunShell(const std::string& command) {
    ShellResult result;
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return result;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe)) result.output += buffer;
    const int wait = ::pclose(pipe);
    if (wait != -1 && WIFEXITED(wait)) result.status = WEXITSTATUS(wait);
    return result;
}
