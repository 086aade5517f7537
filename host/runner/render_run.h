#pragma once

#include <string>

#include "host/kit/host_kit.h"
#include "host/runner/demo_run.h"
#include "host/runner/render_options.h"

namespace host {

// What a run with these options asks of the host kit: clock, frame steps, stop, music. The
// music's length is that of the music file in assetsFolder unless the options give it.
HostKitSettings KitSettingsFor(const RenderOptions& options, const std::string& assetsFolder);

// What it asks of the demo: its files' folder and the two flags.
DemoRunOptions RunOptionsFor(const RenderOptions& options, const std::string& assetsFolder);

}  // namespace host
