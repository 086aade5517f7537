#pragma once

#include <string>
#include <vector>

namespace host {

// The folders a render writes into, made before it starts, with the folders above them that are
// missing, and tried with a file, so that a render that could not keep its output fails before
// any time is spent on it. Unless kept, what was made for the render goes again with this object
// wherever nothing was put into it.
class OutputFolders {
public:
    OutputFolders() = default;
    ~OutputFolders();
    OutputFolders(const OutputFolders&) = delete;
    OutputFolders& operator=(const OutputFolders&) = delete;

    // False with one line naming the folder and the reason.
    bool Make(const std::string& path, std::string* error);
    // The render succeeded: everything made stays.
    void Keep() { made_.clear(); }

private:
    std::vector<std::string> made_;  // outermost first
};

}  // namespace host
