#include "tests/support/held_keys.h"

#include "platform/clock.h"
#include "platform/keys.h"

HeldKeys::~HeldKeys() {
    platform::SetSleepHook(nullptr, nullptr);
    platform::ReleaseAllKeys();
}

void HeldKeys::Hold(std::vector<std::pair<int, uint32_t>> keys) {
    keys_ = std::move(keys);
    Hold();
}

void HeldKeys::Hold() {
    for (const auto& [key, ms] : keys_) platform::SetKeyDown(key, true);
    start_ = platform::TickCount();
    platform::SetSleepHook([](void* self) { static_cast<HeldKeys*>(self)->ReleaseDue(); }, this);
}

void HeldKeys::ReleaseDue() {
    for (const auto& [key, ms] : keys_) {
        if (platform::TickCount() - start_ >= ms) platform::SetKeyDown(key, false);
    }
}
