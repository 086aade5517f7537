#include "bench/scenes/bench_host.h"

#include <string>

#include "demo/runtime/graph_tables.h"
#include "interfaces/guids.h"

void* BenchSound::QueryControl(const Guid* id) {
    if (*id == guids::kSoundRepeat) return static_cast<IHostSoundRepeat*>(this);
    if (*id == guids::kSoundPosition) return static_cast<IHostSoundPosition*>(this);
    return nullptr;
}

BenchDemo::BenchDemo(const char* assetsFolder) {
    currentGraph = &graph;
    currentLayerforge = &layerforge;
    BuildMultiplyTable(graphMultiplyTable);
    BuildScreenTable(graphScreenTable, graphMultiplyTable);
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
    currentGraph = nullptr;
    currentLayerforge = nullptr;
}
