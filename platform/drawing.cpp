#include "platform/drawing.h"

#include <windows.h>

PlatformBitmap bitmap_load(const std::string& path, int width, int height) {
    return (PlatformBitmap)LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, width, height, LR_LOADFROMFILE);
}

// A 32-bit top-down DIB section, so that pixels can be written directly.
static HBITMAP dib_create(int width, int height, uint32_t** bits) {
    if (width <= 0 || height <= 0) return nullptr;
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* p = nullptr;
    HBITMAP bmp = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &p, nullptr, 0);
    if (!bmp || !p) {
        if (bmp) DeleteObject(bmp);
        return nullptr;
    }
    *bits = (uint32_t*)p;
    return bmp;
}

// A DIB pixel is 0x00RRGGBB; a Windows colour value is 0x00BBGGRR.
static uint32_t dib_pixel(uint32_t colour) {
    return ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
}

PlatformBitmap bitmap_copy(PlatformBitmap source) {
    if (!source) return nullptr;
    return (PlatformBitmap)CopyImage((HBITMAP)source, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
}

PlatformBitmap bitmap_filled(int width, int height, uint32_t colour) {
    uint32_t* bits = nullptr;
    HBITMAP bmp = dib_create(width, height, &bits);
    if (!bmp) return nullptr;
    uint32_t px = dib_pixel(colour);
    for (size_t i = 0, n = (size_t)width * (size_t)height; i < n; ++i) bits[i] = px;
    GdiFlush();
    return (PlatformBitmap)bmp;
}

PlatformBitmap bitmap_stripes(int width, int height, int direction, const std::vector<uint32_t>& colours) {
    uint32_t* bits = nullptr;
    HBITMAP bmp = dib_create(width, height, &bits);
    if (!bmp) return nullptr;
    for (int y = 0; y < height; ++y) {
        uint32_t* row = bits + (size_t)y * (size_t)width;
        for (int x = 0; x < width; ++x) {
            size_t i = (size_t)(direction == 1 ? y : x);
            row[x] = i < colours.size() ? dib_pixel(colours[i]) : 0;
        }
    }
    GdiFlush();
    return (PlatformBitmap)bmp;
}

bool bitmap_draw_text(PlatformBitmap bitmap, int x, int y, const std::string& text, PlatformFont font,
                      uint32_t colour) {
    if (!bitmap) return false;
    HDC dc = CreateCompatibleDC(nullptr);
    if (!dc) return false;
    HGDIOBJ old_bmp = SelectObject(dc, (HBITMAP)bitmap);
    HGDIOBJ old_font = font ? SelectObject(dc, (HFONT)font) : nullptr;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, (COLORREF)colour);
    BOOL ok = TextOutA(dc, x, y, text.c_str(), (int)text.size());
    if (old_font) SelectObject(dc, old_font);
    SelectObject(dc, old_bmp);
    DeleteDC(dc);
    GdiFlush();
    return ok != 0;
}

uint32_t bitmap_pixel(PlatformBitmap bitmap, int x, int y) {
    if (!bitmap) return 0xFFFFFFFF;
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, (HBITMAP)bitmap);
    COLORREF c = GetPixel(dc, x, y);
    SelectObject(dc, old);
    DeleteDC(dc);
    return c == CLR_INVALID ? 0xFFFFFFFF : (uint32_t)c;
}

void bitmap_size(PlatformBitmap bitmap, int* width, int* height) {
    BITMAP b = {};
    if (!bitmap || !GetObjectA((HBITMAP)bitmap, sizeof b, &b)) b.bmWidth = b.bmHeight = 0;
    *width = b.bmWidth;
    *height = b.bmHeight < 0 ? -b.bmHeight : b.bmHeight;
}

int text_width(const std::string& text) {
    HDC dc = GetDC(nullptr);
    SIZE s = {0, 0};
    GetTextExtentPoint32A(dc, text.c_str(), (int)text.size(), &s);
    ReleaseDC(nullptr, dc);
    return s.cx;
}

void desktop_size(int* width, int* height) {
    *width = GetSystemMetrics(SM_CXSCREEN);
    *height = GetSystemMetrics(SM_CYSCREEN);
}
