#pragma once

#include <cstdint>

#include "demo/base/byte_buffer.h"
#include "demo/base/surface_ref.h"

// One record of the archive's index: where a picture's bytes lie in the archive file.
struct CgLinkEntry {
    uint32_t offset = 0;
    uint32_t size = 0;
};

// The bytes of one picture inside the archive's memory image; empty (null, 0) for an index the
// archive does not hold.
struct CgPictureBytes {
    const uint8_t* data = nullptr;
    uint32_t size = 0;
};

// The CG link archive ("ZPX0"): the whole file held in memory, pictures addressed by their
// position in the index. Every index record is checked against the file when it is opened, so
// every entry handed out lies inside the memory image.
class CgLinkFile {
public:
    CgLinkFile() = default;
    ~CgLinkFile() { Close(); }
    CgLinkFile(const CgLinkFile&) = delete;
    CgLinkFile& operator=(const CgLinkFile&) = delete;

    // Reads the whole file and copies its index. Replaces whatever was open before. Shows a
    // message and fails when the file cannot be read, has the wrong magic or an index that does
    // not fit the file; an empty index fails silently.
    bool Open(const char* name);
    // Frees the index and the memory image; harmless when nothing is open.
    void Close();

    CgPictureBytes Entry(int32_t index) const;
    uint32_t EntryCount() const { return entryCount_; }

    // Decodes picture number index (PMS or 24-bit BMP) into a new surface from the current
    // Layerforge and hands it to holder, releasing the holder's previous surface. On any failure
    // the holder keeps what it had.
    bool LoadCg(int32_t index, SurfaceRef& holder);

private:
    ByteBuffer image_;
    CgLinkEntry* entries_ = nullptr;
    uint32_t entryCount_ = 0;
};
