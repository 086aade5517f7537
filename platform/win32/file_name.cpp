#include "platform/file_name.h"

namespace platform {

std::string NativeFileName(std::string_view windowsName) { return std::string(windowsName); }

// Windows itself finds names whatever their case.
std::string FileNameAsFound(std::string_view name) { return std::string(name); }

}  // namespace platform
