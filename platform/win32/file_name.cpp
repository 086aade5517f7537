#include "platform/file_name.h"

namespace platform {

std::string NativeFileName(std::string_view windowsName) { return std::string(windowsName); }

}  // namespace platform
