#include "platform/dib.h"

#include <windows.h>

#include "platform/system_failure.h"

namespace platform {

DibSection CreateDibSection(Window window, int32_t rowPixels, int32_t rows, int32_t bitsPerPixel, uint8_t** bits) {
    if (bits == nullptr || rowPixels <= 0 || rows <= 0) return nullptr;
    if (bitsPerPixel != 8 && bitsPerPixel != 16 && bitsPerPixel != 24) return nullptr;
    // Header and room for the largest colour part: 256 table entries (8 bits) or 3 masks (16).
    struct {
        BITMAPINFOHEADER header;
        DWORD colours[256];
    } info{};
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = rowPixels;
    info.header.biHeight = -rows;  // top-down: row 0 first in memory
    info.header.biPlanes = 1;
    info.header.biBitCount = static_cast<WORD>(bitsPerPixel);
    info.header.biCompression = bitsPerPixel == 16 ? BI_BITFIELDS : BI_RGB;
    if (bitsPerPixel == 16) {
        info.colours[0] = 0xF800;
        info.colours[1] = 0x07E0;
        info.colours[2] = 0x001F;
    }
    HWND owner = static_cast<HWND>(window);
    HDC dc = ::GetDC(owner);
    if (dc == nullptr) return nullptr;
    void* memory = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(dc, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &memory, nullptr, 0);
    if (bitmap == nullptr || memory == nullptr) detail::RecordSystemFailure("CreateDIBSection");
    ::ReleaseDC(owner, dc);
    if (bitmap == nullptr || memory == nullptr) {
        if (bitmap != nullptr) ::DeleteObject(bitmap);
        return nullptr;
    }
    *bits = static_cast<uint8_t*>(memory);
    return bitmap;
}

void DeleteDibSection(DibSection section) {
    if (section != nullptr) ::DeleteObject(static_cast<HBITMAP>(section));
}

bool BlitDibSection(DibSection section, const uint8_t* colourTable, Window window, int32_t dx, int32_t dy, int32_t sx,
                    int32_t sy, int32_t w, int32_t h) {
    // A null window would mean the whole screen's context; the movie only ever draws on its own.
    if (section == nullptr || window == nullptr) return false;
    HWND target = static_cast<HWND>(window);
    HDC dc = ::GetDC(target);
    if (dc == nullptr) return false;
    HDC memoryDc = ::CreateCompatibleDC(dc);
    HGDIOBJ previous = ::SelectObject(memoryDc, static_cast<HBITMAP>(section));
    if (colourTable != nullptr) {
        ::SetDIBColorTable(memoryDc, 0, 256, reinterpret_cast<const RGBQUAD*>(colourTable));
    }
    ::BitBlt(dc, dx, dy, w, h, memoryDc, sx, sy, SRCCOPY);
    ::SelectObject(memoryDc, previous);
    ::DeleteDC(memoryDc);
    ::ReleaseDC(target, dc);
    return true;
}

}  // namespace platform
