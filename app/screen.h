#pragma once
#include "app/form_design.h"

namespace tarvenel {

// The screen the main window lives on: the primary monitor, in twips (15 to
// the pixel, whatever the screen's dots per inch). Its place counts in the
// desktop's coordinates, where the primary monitor need not start at 0, 0
// (a monitor left of it, or above).
class Screen {
public:
    virtual ~Screen() = default;
    virtual TwipsRect Area() const = 0;
};

} // namespace tarvenel
