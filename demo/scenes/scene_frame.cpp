#include "demo/scenes/scene_frame.h"

bool ReadSceneWindow(const DemoContext& context, int32_t index, SceneWindow& window) {
    if (context.schedule == nullptr || index < 0 || index >= context.scheduleCount) return false;
    window.startMs = context.schedule[index].startMs;
    window.endMs = context.schedule[index].endMs;
    window.dur = static_cast<int32_t>(window.endMs - window.startMs);
    return true;
}

FramePass BeginFrame(DemoContext& context, const SceneWindow& window) {
    if (!context.loop->KeepRunning()) {
        context.ReleaseAll();
        return FramePass::kStop;
    }
    if (!context.PaceFrame()) return FramePass::kStop;
    return window.Holds(context.nowMs) ? FramePass::kDraw : FramePass::kWindowOver;
}

bool LoadPictures(DemoContext& context, std::initializer_list<PictureLoad> pictures) {
    for (const PictureLoad& picture : pictures) {
        if (!context.archive.LoadCg(picture.index, *picture.holder)) return false;
    }
    return true;
}

void PresentScreen(DemoContext& context) { context.screen->Present(0, 0, kScreenWidth, kScreenHeight); }

void ClearScreen(DemoContext& context) {
    CurrentGraph()->FillRect(Screen(context), 0, 0, kScreenWidth, kScreenHeight, 0, 0, 0);
}
