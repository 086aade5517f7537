// The PNG reader on any bytes: a picture or a reason, never a crash or a read outside the input.
#include <cstddef>
#include <cstdint>
#include <string>

#include "tools/png/png_image.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    tools::PngImage png;
    std::string error;
    if (tools::DecodePng(data, size, &png, &error)) {
        const size_t pixels = static_cast<size_t>(png.width) * static_cast<size_t>(png.height);
        if (png.rgba.size() != pixels * 4) __builtin_trap();
        if (png.colourType == tools::PngColourType::kPalette && png.indices.size() != pixels) __builtin_trap();
    }
    return 0;
}
