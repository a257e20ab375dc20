#pragma once
// Pixels as ASCII art, so expected results read like pictures in the tests.
#include <map>
#include <string>
#include <string_view>

#include "raster/bitmap.h"
#include "raster/colour.h"
#include "raster/geometry.h"
#include "raster/region.h"

namespace tarvenel::test {

// A raw string literal as art: blank first and last lines and the
// indentation of every line removed, rows joined by '\n'.
std::string Art(std::string_view text);

// '#' inside the region, '.' outside, over the window's pixels.
std::string RegionArt(const Region& region, const Rect& window);

// Each pixel of the window as the character its colour has in the palette,
// '?' for any other colour. Alpha is ignored.
std::string BitmapArt(const Bitmap& bitmap, const Rect& window, const std::map<Rgb, char>& palette);

} // namespace tarvenel::test
