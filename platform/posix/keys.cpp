#include "platform/keys.h"

#include <array>
#include <atomic>

namespace platform {
namespace {

// Indexed by virtual-key code; written by the host's event handling, read by any module.
std::array<std::atomic<bool>, 256> keyDown{};

}  // namespace

bool IsKeyDown(int virtualKey) {
    if (virtualKey < 0 || virtualKey >= static_cast<int>(keyDown.size())) return false;
    return keyDown[static_cast<size_t>(virtualKey)].load();
}

void SetKeyDown(int virtualKey, bool down) {
    if (virtualKey < 0 || virtualKey >= static_cast<int>(keyDown.size())) return;
    keyDown[static_cast<size_t>(virtualKey)] = down;
}

void ReleaseAllKeys() {
    for (auto& key : keyDown) key = false;
}

}  // namespace platform
