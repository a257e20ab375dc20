#include "shell/window_shape.h"

#include <cmath>

namespace tarvenel {

Region MainWindowRegion(double widthTwips, double heightTwips) {
    const int w = static_cast<int>(std::nearbyint(widthTwips / 15.0));
    const int h = static_cast<int>(std::nearbyint(heightTwips / 15.0));
    // Two overlapping rectangles leave a 5 x 5 notch at each corner; the
    // ellipses round the notches off.
    return Region::FromRect({0, 5, w, h - 5})
        .Union(Region::FromRect({5, 0, w - 5, h}))
        .Union(Region::FromEllipse({-2, 0, 15, 35}))
        .Union(Region::FromEllipse({w - 15, 0, w + 2, 20}))
        .Union(Region::FromEllipse({-1, h - 20, 10, h}))
        .Union(Region::FromEllipse({w - 20, h - 40, w + 3, h + 4}));
}

} // namespace tarvenel
