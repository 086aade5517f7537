#include "demo/base/byte_buffer.h"
#include "demo/base/decimal_scan.h"
#include "demo/runtime/demo_context.h"

namespace {

constexpr const char* kSettingsFile = "Prelo.ini";

}  // namespace

void DemoContext::LoadSettings() {
    ByteBuffer file;
    if (!file.ReadWholeFile(kSettingsFile)) return;
    // One byte more, zeroed, so the scan stops inside the buffer whatever the file holds.
    if (!file.Resize(file.size + 1)) return;
    file.data[file.size - 1] = 0;
    int32_t number = 0;
    if (ScanDecimal(reinterpret_cast<const char*>(file.data), &number)) hostSound.musicNumber = number;
}
