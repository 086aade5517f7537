#include "host/runner/install_layout.h"

#include "platform/file.h"
#include "platform/module.h"
#include "platform/process_path.h"

namespace host {
namespace {

bool Holds(const std::string& folder, const char* name) {
    platform::ReadFile file;
    return !folder.empty() && file.Open((folder + platform::PathSeparator() + name).c_str());
}

std::string BesideProgram(const std::string& relative) {
    const std::string folder = platform::ExecutableFolder();
    return folder.empty() ? std::string() : folder + platform::PathSeparator() + relative;
}

}  // namespace

std::string ModuleFolder() {
#if defined(_WIN32)
    return std::string();
#else
    const std::string installed = BesideProgram(PRELO_INSTALLED_MODULES);
    if (Holds(installed, (std::string("Graph") + platform::ModuleSuffix()).c_str())) return installed;
    return platform::ExecutableFolder();
#endif
}

std::string DefaultAssetFolder() {
    const std::string built = BesideProgram(".." + std::string(1, platform::PathSeparator()) + "assets");
    if (Holds(built, "Prelo.zpx")) return built;
    return BesideProgram(PRELO_INSTALLED_SAMPLES);
}

}  // namespace host
