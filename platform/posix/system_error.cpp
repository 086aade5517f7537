#include <cerrno>
#include <cstring>
#include <string>

namespace platform::detail {

uint32_t CurrentSystemErrorCode() { return static_cast<uint32_t>(errno); }

std::string SystemErrorWords(uint32_t code) { return std::strerror(static_cast<int>(code)); }

}  // namespace platform::detail
