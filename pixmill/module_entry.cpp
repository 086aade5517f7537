// The module's one export and its one drawing object, alive from load to unload.
#include <cstring>

#include "interfaces/guid.h"
#include "interfaces/module_export.h"
#include "pixmill/pixmill_graph.h"

namespace {

// {6FBEDF60-FD09-11D4-AD65-00C0F6B0E9BE} in its memory layout; callers hand us raw bytes.
constexpr unsigned char kPixmillInterfaceId[16] = {0x60, 0xDF, 0xBE, 0x6F, 0x09, 0xFD, 0xD4, 0x11,
                                                   0xAD, 0x65, 0x00, 0xC0, 0xF6, 0xB0, 0xE9, 0xBE};

pixmill::PixmillGraph theGraph;

}  // namespace

MODULE_EXPORT void* CreateInterface(const Guid* id) {
    if (id == nullptr || std::memcmp(id, kPixmillInterfaceId, sizeof kPixmillInterfaceId) != 0) return nullptr;
    return static_cast<IGraph*>(&theGraph);
}
