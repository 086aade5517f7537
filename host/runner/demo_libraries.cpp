#include "host/runner/demo_libraries.h"

#include "platform/process_path.h"
#include "platform/system_failure.h"

namespace host {
namespace {

platform::ModuleHandle LoadByName(const std::string& folder, const char* name, std::string* error) {
    std::string path = std::string(name) + platform::ModuleSuffix();
    if (!folder.empty()) path = folder + platform::PathSeparator() + path;
    platform::ModuleHandle module = platform::LoadModule(path.c_str());
    if (module == nullptr && error != nullptr)
        *error = "cannot load " + path + " (" + platform::DescribeLastSystemFailure() + ")";
    return module;
}

}  // namespace

bool DemoLibraries::Load(const std::string& folder, const char* demoName, std::string* error) {
    Unload();
    graph_ = LoadByName(folder, "Graph", error);
    if (graph_ != nullptr) layerforge_ = LoadByName(folder, "Layerforge", error);
    if (layerforge_ != nullptr) demo_ = LoadByName(folder, demoName, error);
    if (demo_ == nullptr) {
        Unload();
        return false;
    }
    init_ = reinterpret_cast<InitFn>(platform::FindExport(demo_, "Init"));
    setKeyCancel_ = reinterpret_cast<SetFlagFn>(platform::FindExport(demo_, "SetKeyCancelFlag"));
    setLoop_ = reinterpret_cast<SetFlagFn>(platform::FindExport(demo_, "SetLoopFlag"));
    run_ = reinterpret_cast<RunFn>(platform::FindExport(demo_, "Run"));
    if (!init_ || !setKeyCancel_ || !setLoop_ || !run_) {
        if (error != nullptr) *error = std::string(demoName) + " lacks one of Init, SetKeyCancelFlag, SetLoopFlag, Run";
        Unload();
        return false;
    }
    return true;
}

void DemoLibraries::Unload() {
    init_ = nullptr;
    setKeyCancel_ = setLoop_ = nullptr;
    run_ = nullptr;
    platform::UnloadModule(demo_);
    platform::UnloadModule(layerforge_);
    platform::UnloadModule(graph_);
    demo_ = layerforge_ = graph_ = nullptr;
}

}  // namespace host
