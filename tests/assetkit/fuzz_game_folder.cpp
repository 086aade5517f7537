// The words for a damaged archive or movie come from reading its bytes as the demo would: any
// bytes give words or nothing, never a crash. The first byte picks the file.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "tools/assets/game_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    std::vector<uint8_t> bytes(data + 1, data + size);
    if (data[0] & 1) {
        assetkit::MovieFault(bytes, "PreloM.moz");
    } else {
        assetkit::ArchiveFault(std::move(bytes));
    }
    return 0;
}
