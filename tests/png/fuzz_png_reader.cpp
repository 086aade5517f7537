// The PNG reader on any bytes: a picture or a reason, never a crash or a read outside the input.
#include <cstddef>
#include <cstdint>
#include <string>

#include "png/png_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    png::Image image;
    std::string error;
    if (png::Decode(data, size, &image, &error)) {
        const size_t pixels = static_cast<size_t>(image.width) * static_cast<size_t>(image.height);
        if (image.rgba.size() != pixels * 4) __builtin_trap();
        if (image.colourType == png::ColourType::kPalette && image.indices.size() != pixels) __builtin_trap();
    }
    return 0;
}
