#include "demo/assets/picture_headers.h"

#include "platform/byte_reader.h"

bool ReadPmsHeader(const uint8_t* picture, size_t size, PmsHeader* header) {
    platform::ByteReader read(picture, size);
    if (size < kPmsHeaderSize || !read.Expect("PM", 2)) return false;
    read.Seek(6);
    header->depth = read.U8();
    read.Seek(24);
    header->width = read.I32();
    header->height = read.I32();
    header->mainOffset = read.U32();
    header->alphaOffset = read.U32();
    return !read.Failed();
}

bool ReadBmpHeader(const uint8_t* picture, size_t size, BmpHeader* header) {
    platform::ByteReader read(picture, size);
    if (size < kBmpHeaderSize || !read.Expect("BM", 2)) return false;
    read.Seek(10);
    header->rowsOffset = read.U32();
    read.Seek(18);
    header->width = read.I32();
    header->height = read.I32();
    read.Seek(28);
    header->bitsPerPixel = read.U8();
    return !read.Failed();
}
