// What pack and extract do with a damaged archive and a damaged picture: the first two bytes
// choose where the input splits into an archive and a PNG, the third which entry the PNG is
// offered for; the archive is
// read, every entry decoded as extract does, and the PNG packed into it.
#include <cstddef>
#include <cstdint>
#include <string>

#include "tools/assets/archive_pack.h"
#include "tools/assets/entry_picture.h"
#include "tools/assets/entry_png.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 4) return 0;
    const size_t split = (static_cast<size_t>(data[0]) << 8 | data[1]) % (size - 3);
    const uint32_t entry = data[2] >> 1;  // the low bit lets pictures change size
    const uint8_t* rest = data + 3;
    assetkit::ArchiveFile archive;
    std::string error;
    if (!assetkit::ReadArchive({rest, rest + split}, &archive, &error)) return 0;
    for (const auto& slot : archive.entries) {
        assetkit::EntryPicture picture;
        if (assetkit::DecodeEntry(archive.bytes.data() + slot.offset, slot.size, &picture, &error)) {
            (void)assetkit::EntryToPng(picture);
        }
    }
    assetkit::PictureFile offered{entry, "fuzz.png", {rest + split, data + size}};
    (void)assetkit::PackArchive(archive, {offered}, (data[2] & 1) != 0);
    return 0;
}
