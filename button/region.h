#pragma once
// The outline of a button: the window region its shape and look cut, where
// slanted sides begin, and the inner ellipse that keeps an elliptic face
// inside its ring.
#include <optional>

#include "raster/region.h"

namespace tarvenel {

struct ButtonOutline {
    Region window;
    std::optional<Region> clip; // elliptic shapes only
    int leftInset = 0;          // where a slanted left side begins
    int rightBound = 0;         // where a slanted right side begins
};

// The horizontal run of a 45-degree side on a button `height` pixels high.
int SlantRun(int height);
// The width a slanted button needs: at least 5 pixels beyond the run,
// growing in steps of 5.
int SlantedMinimumWidth(int shape, int width, int height);

// `enabled` matters for the flat grey look, which trims only while enabled.
ButtonOutline BuildOutline(int shape, int style, bool enabled, int width, int height);

} // namespace tarvenel
