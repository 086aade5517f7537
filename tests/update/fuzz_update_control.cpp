// Every parser of the updater's outside data: the command line, update.inf and a Wine user.reg.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "control_file.h"
#include "source_folder.h"
#include "wine_registry_file.h"

namespace {

bool IsShiftJisLeadByte(uint8_t byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }
bool NoLeadByte(uint8_t) { return false; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (update::LeadByteTest isLeadByte : {IsShiftJisLeadByte, NoLeadByte}) {
        update::SourceFolderFromCommandLine(bytes, isLeadByte);
        update::UpdatePlan plan;
        plan.registryKeyPath = update::kRegistryKeyRoot;
        update::ApplyControlLines(update::SplitControlLines(bytes, isLeadByte), plan);
        platform::detail::FindWineRegistryKey(bytes, plan.registryKeyPath);
    }
    platform::detail::FindWineRegistryKey(bytes, "Software\\Corvane\\Game");
    return 0;
}
