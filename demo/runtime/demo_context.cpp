#include "demo/runtime/demo_context.h"

#include <new>

#include "interfaces/guids.h"
#include "interfaces/host.h"

DemoContext::~DemoContext() {
    if (!hostSoundInUse) mci.Stop();
    ReleaseOwned();
    UnbindLayerforge(layerforge);
}

bool DemoContext::Setup(IHostServices* host, IHostLoop* hostLoop, IHostClock* hostClock) {
    // Whatever an earlier Init or Run left is dropped first, so a second Init builds from scratch.
    ReleaseAll();
    initialised = false;
    hostSoundInUse = false;
    // A scene index left by an earlier run would let the cancel keys act from the first frame.
    sceneIndex = -1;
    nowMs = 0;

    loop = hostLoop;
    clock = hostClock;
    if (host == nullptr || loop == nullptr || clock == nullptr) return false;
    auto* window = static_cast<IHostWindow*>(host->QueryService(&guids::kHostWindow));
    if (window == nullptr) return false;
    screen = static_cast<IHostScreen*>(host->QueryService(&guids::kHostScreen));
    if (screen == nullptr) return false;
    auto* soundSource = static_cast<IHostSoundSource*>(host->QueryService(&guids::kHostSoundSource));
    if (soundSource == nullptr) return false;
    input = static_cast<IHostInput*>(host->QueryService(&guids::kHostInput));
    if (input == nullptr) return false;
    mainWindow = window->MainWindow();
    if (!BuildSchedule()) return false;
    LoadSettings();
    IHostSound* sound = soundSource->Sound();
    if (sound == nullptr) return false;
    if (!hostSound.Bind(sound, clock)) return false;
    if (!BindGraph(graph, host)) return false;
    if (!BindLayerforge(layerforge)) return false;
    unusedService = host->QueryService(&guids::kHostUnused);
    if (!BuildMultiplyTable(multiplyTable)) return false;
    if (!archive.Open(kArchiveFile)) return false;
    if (!movie.Open(mainWindow)) return false;
    initialised = true;
    return true;
}

void DemoContext::ReleaseAll() {
    if (hostSoundInUse) {
        hostSound.Stop();
    } else {
        mci.Stop();
    }
    hostSound.RestoreRepeatMode();
    ReleaseOwned();
}

void DemoContext::ReleaseOwned() {
    movie.Close();
    FreeSchedule();
    multiplyTable.Free();
    sceneTableA.Free();
    sceneTableB.Free();
    FreeSceneRows();
    UnbindGraph(graph);
    archive.Close();
}

bool DemoContext::BuildSchedule() {
    FreeSchedule();
    schedule = new (std::nothrow) ScheduleEntry[kSceneCount];
    if (schedule == nullptr) return false;
    scheduleCount = kSceneCount;
    FillSchedule(schedule, scheduleCount);
    return true;
}

void DemoContext::FreeSchedule() {
    delete[] schedule;
    schedule = nullptr;
    scheduleCount = 0;
}

bool DemoContext::AllocateSceneRows(int32_t count) {
    FreeSceneRows();
    if (count <= 0) return false;
    sceneRows = new (std::nothrow) uint8_t*[static_cast<size_t>(count)]();
    if (sceneRows == nullptr) return false;
    sceneRowCount = count;
    return true;
}

void DemoContext::FreeSceneRows() {
    delete[] sceneRows;
    sceneRows = nullptr;
    sceneRowCount = 0;
}
