#pragma once
// The main window's outline: a rectangle with slightly rounded corners, each
// corner rounded by an ellipse of its own size.
#include "raster/region.h"

namespace tarvenel {

// RMe: the window region for a window of the given outer size in twips.
// Pixels are twips / 15 rounded to the nearest whole number, ties to even;
// the divisor stays 15 whatever the screen's twips per pixel.
Region MainWindowRegion(double widthTwips, double heightTwips);

} // namespace tarvenel
