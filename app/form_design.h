#pragma once
// How a form lays out its controls: positions in twips, as the forms store
// them. Both front ends place their native widgets from these tables.
#include "app/colour.h"

namespace tarvenel {

struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    constexpr int Right() const { return left + width; }
    constexpr int Bottom() const { return top + height; }
};

struct ControlDesign {
    const char* name;
    const char* caption; // design caption or text; "" for none
    const char* toolTip; // "" for none
    TwipsRect rect;
};

} // namespace tarvenel
