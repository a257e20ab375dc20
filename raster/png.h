#pragma once
// PNG pictures (the artwork embedded in the program) into bitmaps.
#include <span>

#include "raster/bitmap.h"

namespace tarvenel {

// Any PNG colour type becomes straight-alpha 0xAARRGGBB. Bytes that are not a
// PNG give an empty bitmap.
Bitmap DecodePng(std::span<const unsigned char> bytes);

} // namespace tarvenel
