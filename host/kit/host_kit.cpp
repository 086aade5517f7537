#include "host/kit/host_kit.h"

#include "interfaces/guids.h"

namespace host {
namespace {

std::unique_ptr<SteppedTime> MakeStepped(const HostKitSettings& settings, TimeSource* time) {
    if (time != nullptr || !settings.headless) return nullptr;
    return std::make_unique<SteppedTime>(settings.startMs);
}

TimeSource* PickTime(TimeSource* given, SteppedTime* stepped, SystemTime* system) {
    if (given != nullptr) return given;
    if (stepped != nullptr) return stepped;
    return system;
}

}  // namespace

HostKit::HostKit(const HostKitSettings& settings, TimeSource* time)
    : stepped_(MakeStepped(settings, time)),
      time_(PickTime(time, stepped_.get(), &systemTime_)),
      clock_(*time_),
      window_(settings.title, settings.visibleWindow),
      screen_(window_),
      sound_(*time_, settings.sound),
      soundSource_(sound_),
      graphContext_(static_cast<ISurface*>(&screen_)),
      loop_(*time_, stepped_.get(), settings.loop) {
    services_.Offer(guids::kHostWindow, static_cast<IHostWindow*>(&window_));
    services_.Offer(guids::kHostScreen, static_cast<IHostScreen*>(&screen_));
    services_.Offer(guids::kHostInput, static_cast<IHostInput*>(&input_));
    services_.Offer(guids::kHostSoundSource, static_cast<IHostSoundSource*>(&soundSource_));
    services_.Offer(guids::kHostGraphContext, static_cast<IHostGraphContext*>(&graphContext_));
    services_.Offer(guids::kHostUnused, static_cast<PlaceholderService*>(&unused_));
}

}  // namespace host
