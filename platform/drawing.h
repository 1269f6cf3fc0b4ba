// Bitmaps and drawing on them: the wizard's side and header images, the
// white panels and the background gradient.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/ui.h"

typedef void* PlatformBitmap;  // HBITMAP

// A BMP file; width and height 0 keep its own size, others stretch it.
// Null when it cannot be loaded.
PlatformBitmap bitmap_load(const std::string& path, int width, int height);
// A copy that can be drawn on; null on failure.
PlatformBitmap bitmap_copy(PlatformBitmap source);
// A new bitmap filled with one colour (0x00BBGGRR); null on failure.
PlatformBitmap bitmap_filled(int width, int height, uint32_t colour);
// A new bitmap of whole rows (direction 1) or whole columns (direction 0)
// in the given colours, one per row or column; null on failure.
PlatformBitmap bitmap_stripes(int width, int height, int direction, const std::vector<uint32_t>& colours);
// Draws one line of text with a transparent background at (x, y);
// false when nothing could be drawn.
bool bitmap_draw_text(PlatformBitmap bitmap, int x, int y, const std::string& text, PlatformFont font,
                      uint32_t colour);
// Colour of one pixel, or 0xFFFFFFFF outside the bitmap.
uint32_t bitmap_pixel(PlatformBitmap bitmap, int x, int y);
void bitmap_size(PlatformBitmap bitmap, int* width, int* height);

// Width in pixels of the text in the screen device context's current font.
int text_width(const std::string& text);

// Width and height of the primary display.
void desktop_size(int* width, int* height);
