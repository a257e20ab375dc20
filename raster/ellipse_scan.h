#pragma once
// Pixels of an ellipse inscribed in a box whose corners are both inside
// (inclusive). Shared by elliptic regions and the drawn ellipse outlines.
//
// The outline is the midpoint-error rasterisation of an axis-aligned ellipse
// by A. Zingl ("A Rasterizing Algorithm for Drawing Curves", 2012), which walks
// the four quadrants at once with integer error terms. Checked against GDI as
// Wine implements it: identical for every box the program uses and for most
// boxes up to 30 x 30; Wine differs only for very thin boxes (3 to 5 pixels
// wide and much taller), where it drops whole rows.
#include <vector>

#include "raster/geometry.h"

namespace tarvenel {

struct RowSpan {
    int y;
    int left;  // first pixel
    int right; // one past the last pixel
};

// Outline pixels (may repeat) of the ellipse in the inclusive box.
std::vector<Point> EllipseOutline(int x0, int y0, int x1, int y1);
// One span per row: the outline and everything between, top to bottom.
std::vector<RowSpan> EllipseFill(int x0, int y0, int x1, int y1);

} // namespace tarvenel
