#pragma once

namespace tarvenel {

// The screen the main window lives on, in twips.
class Screen {
public:
    virtual ~Screen() = default;
    virtual int WidthTwips() const = 0;
    virtual int HeightTwips() const = 0;
    virtual int TwipsPerPixelX() const = 0;
    virtual int TwipsPerPixelY() const = 0;
};

} // namespace tarvenel
