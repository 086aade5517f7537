#include "timeline_fixture.h"

#include "interfaces/host.h"

Timeline* Timeline::current = nullptr;

void Timeline::SetUp() { current = this; }

void Timeline::TearDown() { current = nullptr; }

void Timeline::Ready(bool useMci, uint32_t musicMs) {
    context.loop = &host.loop;
    context.clock = &host.clock;
    context.input = &host.input;
    context.screen = &host.screen;
    ASSERT_TRUE(context.BuildSchedule());
    ASSERT_TRUE(context.hostSound.Bind(host.soundSource.Sound(), &host.clock));
    host.sound.prepareResult = !useMci;
    host.sound.lengthMs = musicMs;
    if (useMci) {
        ASSERT_TRUE(WriteFile("Vuvi01.wav", MakeWave(musicMs)));
    }
    context.runScene = RecordingScene;
    context.initialised = true;
}

std::vector<int32_t> Timeline::ScenesInOrder() const { return scenes; }

bool Timeline::RecordingScene(DemoContext& context, int32_t index) {
    current->scenes.push_back(index);
    EXPECT_EQ(index, context.sceneIndex);
    const ScheduleEntry window = context.schedule[index];
    for (;;) {
        if (!context.loop->KeepRunning()) {
            context.ReleaseAll();
            return false;
        }
        if (!context.PaceFrame()) return false;
        if (context.nowMs < window.startMs || context.nowMs >= window.endMs) return true;
        current->frames.push_back(context.nowMs);
        context.screen->Present(0, 0, 640, 480);
    }
}
