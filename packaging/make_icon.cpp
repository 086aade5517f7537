// make-prelo-icon: the desktop icon, cut from a frame of the demo played on the sample set, in
// every size the icon theme asks for, or in the sizes given: OUT/<n>x<n>/apps/prelo.png.
//   make-prelo-icon ASSETS OUT MS [SIZE...]
// Exit status: 0 written, 1 bad arguments, 2 the demo did not play to MS, 4 a file not written.
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "host/kit/host_kit.h"
#include "host/kit/wav_length.h"
#include "host/runner/demo_libraries.h"
#include "host/runner/demo_run.h"
#include "png/png_file.h"

namespace {

constexpr int kThemeSizes[] = {16, 24, 32, 48, 64, 128, 256};
constexpr int kLargestSize = 1024;

bool MakeFolders(const std::string& path) {
    for (size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string part = path.substr(0, slash);
        if (::mkdir(part.c_str(), 0755) != 0 && errno != EEXIST) return false;
        if (slash == std::string::npos) return true;
    }
}

// The centred square of the frame, averaged down to size x size: each icon pixel is the mean of
// the frame pixels whose centres fall in its share of the square, or, in an icon larger than the
// square, the one pixel under it.
std::vector<uint8_t> Shrink(const std::vector<uint8_t>& frame, int pitch, int size) {
    const int side = host::HostWindow::kHeight;
    const int left = (host::HostWindow::kWidth - side) / 2;
    std::vector<uint8_t> icon(static_cast<size_t>(size) * size * 3);
    for (int y = 0; y < size; ++y) {
        const int y0 = y * side / size;
        const int y1 = std::max((y + 1) * side / size, y0 + 1);
        for (int x = 0; x < size; ++x) {
            const int x0 = left + x * side / size;
            const int x1 = std::max(left + (x + 1) * side / size, x0 + 1);
            unsigned sum[3] = {0, 0, 0};
            for (int sy = y0; sy < y1; ++sy) {
                for (int sx = x0; sx < x1; ++sx) {
                    for (int c = 0; c < 3; ++c) sum[c] += frame[static_cast<size_t>(sy) * pitch + sx * 3 + c];
                }
            }
            const unsigned count = static_cast<unsigned>((y1 - y0) * (x1 - x0));
            for (int c = 0; c < 3; ++c) {
                icon[(static_cast<size_t>(y) * size + x) * 3 + c] = static_cast<uint8_t>((sum[c] + count / 2) / count);
            }
        }
    }
    return icon;
}

// The sizes named, or the theme's when none is.
bool ParseSizes(int count, char** words, std::vector<int>* sizes) {
    if (count == 0) sizes->assign(std::begin(kThemeSizes), std::end(kThemeSizes));
    for (int i = 0; i < count; ++i) {
        char* end = nullptr;
        const long size = std::strtol(words[i], &end, 10);
        if (end == words[i] || *end != '\0' || size < 1 || size > kLargestSize) return false;
        sizes->push_back(static_cast<int>(size));
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<int> sizes;
    if (argc < 4 || !ParseSizes(argc - 4, argv + 4, &sizes)) {
        std::fprintf(stderr, "usage: make-prelo-icon ASSETS OUT MS [SIZE...] (sizes 1 to %d)\n", kLargestSize);
        return 1;
    }
    const std::string assets = argv[1];
    const std::string out = argv[2];
    const uint32_t atMs = static_cast<uint32_t>(std::strtoul(argv[3], nullptr, 10));

    host::DemoLibraries libraries;
    std::string error;
    if (!libraries.Load(host::ModuleFolder(), "Prelo", &error)) {
        std::fprintf(stderr, "make-prelo-icon: %s\n", error.c_str());
        return 2;
    }
    host::HostKitSettings settings;
    settings.headless = true;
    settings.loop.frameStepMs = 20;
    if (uint32_t length = 0; host::WavFileLengthMs((assets + "/Vuvi01.wav").c_str(), &length)) {
        settings.sound.lengthMs = length;
    }
    host::HostKit kit(settings);
    std::vector<uint8_t> frame;
    int pitch = 0;
    kit.Loop().SetFrameCallback([&](uint32_t nowMs) {
        if (nowMs < atMs) return true;
        kit.Window().Capture();
        const uint8_t* pixels = kit.Window().Framebuffer(&pitch);
        if (pixels != nullptr) frame.assign(pixels, pixels + static_cast<size_t>(pitch) * host::HostWindow::kHeight);
        return false;
    });
    host::DemoRunOptions run;
    run.assetsFolder = assets;
    host::DemoRunReport report;
    host::RunDemo(kit, libraries, run, &report);
    if (frame.empty()) {
        std::fprintf(stderr, "make-prelo-icon: the demo on %s never reached %u ms\n", assets.c_str(), atMs);
        return 2;
    }
    for (int size : sizes) {
        const std::string folder = out + "/" + std::to_string(size) + "x" + std::to_string(size) + "/apps";
        const std::vector<uint8_t> icon = Shrink(frame, pitch, size);
        if (!MakeFolders(folder) ||
            !png::WriteBgrFrame((folder + "/prelo.png").c_str(), icon.data(), size, size, size * 3)) {
            std::fprintf(stderr, "make-prelo-icon: cannot write %s/prelo.png\n", folder.c_str());
            return 4;
        }
    }
    return 0;
}
