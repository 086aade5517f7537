// Command-line arguments are outside data too: NUL-separated words become the argument list.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "host/runner/render_options.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<std::string> args(1);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            args.emplace_back();
        } else {
            args.back().push_back(static_cast<char>(data[i]));
        }
    }
    host::RenderOptions options;
    host::ParseRenderOptions(args, &options);
    return 0;
}
