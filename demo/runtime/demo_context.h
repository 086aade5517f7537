#pragma once

#include <cstdint>

#include "demo/assets/cg_link_file.h"
#include "demo/assets/movie_file.h"
#include "demo/base/row_table.h"
#include "demo/runtime/host_sound_player.h"
#include "demo/runtime/mci_player.h"
#include "demo/runtime/module_binding.h"
#include "demo/runtime/schedule.h"
#include "platform/window.h"

class IHostClock;
class IHostInput;
class IHostLoop;
class IHostScreen;
class IHostServices;

// All state of the demo. The library holds one, built at load; tests may build their own.
struct DemoContext {
    static constexpr const char* kMusicFile = "Vuvi01.wav";
    static constexpr const char* kArchiveFile = "Prelo.zpx";
    static constexpr const char* kNotifyWindowClass = "DummyWindowClass_MCI";
    static constexpr const char* kNotifyWindowFailureText = "MCI再生用ウィンドウの生成に失敗しました";

    bool initialised = false;
    platform::Window mainWindow = nullptr;
    IHostLoop* loop = nullptr;
    IHostClock* clock = nullptr;
    IHostInput* input = nullptr;
    ScheduleEntry* schedule = nullptr;
    int32_t scheduleCount = 0;
    bool hostSoundInUse = false;
    MciPlayer mci{kNotifyWindowClass};
    HostSoundPlayer hostSound;
    uint32_t nowMs = 0;
    uint32_t lengthMs = 0;
    MovieFile movie;
    bool keyCancel = false;
    bool loopMusic = true;
    int32_t sceneIndex = -1;
    ModuleBinding graph;
    ModuleBinding layerforge;
    IHostScreen* screen = nullptr;
    int32_t screenWidth = 640;
    int32_t screenHeight = 480;
    CgLinkFile archive;
    RowTable multiplyTable;
    RowTable sceneTableA;
    RowTable sceneTableB;
    uint8_t** sceneRows = nullptr;
    int32_t sceneRowCount = 0;
    // Asked for once at start-up and kept; nothing calls it.
    void* unusedService = nullptr;
    // The scene the scheduler runs for an index; tests put their own here. Null runs the demo's
    // own scenes, which lie above this context and so are named only by the scheduler.
    bool (*runScene)(DemoContext& context, int32_t index) = nullptr;

    DemoContext() = default;
    // Frees what the demo owns. Host objects are not called: by unload time they may be gone.
    ~DemoContext();
    DemoContext(const DemoContext&) = delete;
    DemoContext& operator=(const DemoContext&) = delete;

    // Acquires everything in a fixed order; the first failure stops and leaves what was acquired.
    // A second call first releases what an earlier one left.
    bool Setup(IHostServices* host, IHostLoop* hostLoop, IHostClock* hostClock);
    // Starts the music and runs the scene loop until the demo is over.
    void RunSchedule();
    // RunSchedule followed by ReleaseAll; consumes the Init.
    void Run();
    // Stops the music and frees everything the demo built, in a fixed order. Any number of times.
    void ReleaseAll();

    bool BuildSchedule();
    void FreeSchedule();
    // Once per frame: the jump and cancel keys, then nowMs from the music. False = the demo is
    // over and the caller returns false at once.
    bool PaceFrame();
    void LoadSettings();

    // sceneRows as an array of count null pointers, replacing what was there.
    bool AllocateSceneRows(int32_t count);
    void FreeSceneRows();

private:
    bool StartHostSound();
    bool StartMciMusic();
    bool HandleJumpKeys();
    bool CancelRequested();
    void ReleaseOwned();
};
