// The archive reader, then every picture it holds (up to a few) through LoadCg.
#include "demo/assets/cg_link_file.h"
#include "demo/base/bound_modules.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CurrentLayerforge() = &FuzzSurfaceFactory();
    QuietMessages();
    const std::string name = WriteFuzzFile("archive", data, size);
    CgLinkFile archive;
    if (archive.Open(name.c_str())) {
        SurfaceRef holder;
        const uint32_t count = archive.EntryCount() < 8 ? archive.EntryCount() : 8;
        for (uint32_t i = 0; i < count; ++i) archive.LoadCg(static_cast<int32_t>(i), holder);
        archive.LoadCg(static_cast<int32_t>(archive.EntryCount()), holder);
    }
    return 0;
}
