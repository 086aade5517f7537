// The settings file is the user's to edit, so any bytes may be in it.
#include <cstddef>
#include <cstdint>
#include <string>

#include "host/player/player_settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    player::PlayerSettings settings;
    std::string error;
    if (player::ParsePlayerSettings(std::string(reinterpret_cast<const char*>(data), size), &settings, &error)) {
        // What parses must come back the same through the file's own format.
        player::PlayerSettings again;
        if (!player::ParsePlayerSettings(player::FormatPlayerSettings(settings), &again, &error) ||
            again.volume != settings.volume || again.fullscreen != settings.fullscreen ||
            again.scaling != settings.scaling || settings.volume < 0 || settings.volume > 100) {
            __builtin_trap();
        }
    }
    return 0;
}
