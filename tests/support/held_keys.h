#pragma once

#include <cstdint>
#include <utility>
#include <vector>

// Keys held down from Hold and let go, each after its own time, as the virtual clock runs: the
// demo waits out a held key by polling with Sleep, which moves that clock, so each release comes
// on the sleep that reaches its time, as a user's would, and to the millisecond. One at a time.
class HeldKeys {
public:
    HeldKeys() = default;
    explicit HeldKeys(std::vector<std::pair<int, uint32_t>> keys) : keys_(std::move(keys)) {}
    HeldKeys(const HeldKeys&) = delete;
    HeldKeys& operator=(const HeldKeys&) = delete;
    ~HeldKeys();

    // Presses the keys now; also sets the keys when none were given yet.
    void Hold();
    void Hold(std::vector<std::pair<int, uint32_t>> keys);

private:
    void ReleaseDue();

    std::vector<std::pair<int, uint32_t>> keys_;
    uint32_t start_ = 0;
};
