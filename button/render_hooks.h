#pragma once
// The parts of drawing the model sequences but does not do itself: the
// painter fills these in. The defaults do nothing, so the model runs alone.
namespace tarvenel {

class XPButton;

class ButtonRenderHooks {
public:
    virtual ~ButtonRenderHooks() = default;
    // Builds the window region for the shape and style, and sets the left
    // inset and right bound (XPButton::MutableLayout()).
    virtual void RebuildRegion(XPButton&) {}
    // Makes a new back-buffer bitmap of the current client size.
    virtual void ReplaceBackBuffer(XPButton&) {}
    // Places caption and picture (XPButton::MutableLayout()).
    virtual void Layout(XPButton&) {}
    // Builds the back-buffer font from XPButton::Font().
    virtual void RebuildFont(XPButton&) {}
};

} // namespace tarvenel
