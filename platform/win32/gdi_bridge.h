#pragma once
// The raster library's regions and bitmaps handed to GDI.
#include "platform/win32/win_api.h"
#include "raster/bitmap.h"
#include "raster/region.h"

namespace tarvenel::win32 {

// A GDI region with the region's rectangles (ExtCreateRegion); the caller
// owns it. Null when the system refused it.
HRGN CreateGdiRegion(const Region& region);

// A top-down 32-bit DIB section holding a copy of the bitmap; the caller owns it.
HBITMAP CreateDibSection(const Bitmap& bitmap);

// Copies the bitmap to (x, y) of the device context.
void DrawBitmap(HDC dc, int x, int y, const Bitmap& bitmap);

} // namespace tarvenel::win32
