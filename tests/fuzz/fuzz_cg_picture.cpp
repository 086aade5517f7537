// One archive picture of arbitrary bytes, loaded twice into the same holder so that replacing a
// surface is exercised as well.
#include <cstring>
#include <vector>

#include "demo/assets/cg_link_file.h"
#include "demo/base/bound_modules.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CurrentLayerforge() = &FuzzSurfaceFactory();
    QuietMessages();
    // An archive of one entry: the input.
    std::vector<uint8_t> file = {'Z', 'P', 'X', '0', 1, 0, 0, 0, 16, 0, 0, 0};
    for (int i = 0; i < 4; ++i) file.push_back(static_cast<uint8_t>(size >> (8 * i)));
    file.insert(file.end(), data, data + size);
    const std::string name = WriteFuzzFile("picture", file.data(), file.size());
    CgLinkFile archive;
    if (!archive.Open(name.c_str())) return 0;
    SurfaceRef holder;
    archive.LoadCg(0, holder);
    archive.LoadCg(0, holder);
    return 0;
}
