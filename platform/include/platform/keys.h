#pragma once

namespace platform {

// Virtual-key codes the system uses (the Windows values).
namespace keys {
inline constexpr int kLeftButton = 0x01;
inline constexpr int kRightButton = 0x02;
inline constexpr int kReturn = 0x0D;
inline constexpr int kEscape = 0x1B;
inline constexpr int kSpace = 0x20;
}  // namespace keys

// True while the key or mouse button is down right now.
bool IsKeyDown(int virtualKey);

// Linux: the key table the host feeds from its input events, shared by every module of the
// process. On Windows the real key state is used and this does nothing.
void SetKeyDown(int virtualKey, bool down);
void ReleaseAllKeys();

}  // namespace platform
