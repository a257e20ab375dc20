#pragma once

namespace tarvenel {

// The screen the main window lives on, in twips (15 to the pixel, whatever
// the screen's dots per inch).
class Screen {
public:
    virtual ~Screen() = default;
    virtual int WidthTwips() const = 0;
    virtual int HeightTwips() const = 0;
};

} // namespace tarvenel
