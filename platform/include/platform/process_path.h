#pragma once

#include <string>

namespace platform {

// The folder holding the running program, without a trailing separator; empty if unknown.
std::string ExecutableFolder();

// The process's current folder; empty if unknown.
std::string CurrentFolder();

// Makes path the current folder, against which bare file names are opened.
bool ChangeCurrentFolder(const char* path);

// The separator the platform puts between folder names.
char PathSeparator();

}  // namespace platform
