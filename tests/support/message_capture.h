#pragma once

#include <string>
#include <vector>

// Collects the captions and texts of the message boxes shown on this thread while alive, oldest
// first. Linux reads the platform's record; Windows watches the real boxes open and dismisses each
// with OK, so tests see the same texts on both (in the build's code page).
class MessageCapture {
public:
    MessageCapture();
    ~MessageCapture();
    MessageCapture(const MessageCapture&) = delete;
    MessageCapture& operator=(const MessageCapture&) = delete;

    // False when Windows refused the watch: boxes would then wait for a user.
    bool Watching() const;
    std::vector<std::string> Texts() const;
    std::vector<std::string> Captions() const;
    // Forgets the boxes seen so far.
    void Clear();
};
