#include "bench/scenes/bench_host.h"

#include <string>

#include "demo/base/bound_modules.h"
#include "interfaces/guids.h"

void* BenchSound::QueryControl(const Guid* id) {
    if (*id == guids::kSoundRepeat) return static_cast<IHostSoundRepeat*>(this);
    if (*id == guids::kSoundPosition) return static_cast<IHostSoundPosition*>(this);
    return nullptr;
}

BenchDemo::BenchDemo(const char* assetsFolder) {
    CurrentGraph() = &graph;
    CurrentLayerforge() = &layerforge;
    BuildMultiplyTable(GraphMultiplyTable());
    BuildScreenTable(GraphScreenTable(), GraphMultiplyTable());
    context.loop = &loop;
    context.clock = &clock;
    context.input = &input;
    context.screen = &screen;
    context.BuildSchedule();
    BuildMultiplyTable(context.multiplyTable);
    const std::string folder(assetsFolder);
    valid_ = context.hostSound.Bind(&sound, &clock) && context.archive.Open((folder + "/Prelo.zpx").c_str()) &&
             context.movie.OpenFiles(nullptr, (folder + "/Prelo.moz").c_str(), (folder + "/PreloM.moz").c_str());
    context.initialised = valid_;
}

BenchDemo::~BenchDemo() {
    context.ReleaseAll();
    CurrentGraph() = nullptr;
    CurrentLayerforge() = nullptr;
}
