#pragma once
// Screen readers on Linux: the widgets the program draws itself describe
// themselves with the core's AccessibleInfo, which this maps onto Qt's
// accessibility interfaces (and so onto AT-SPI).
#include <QWidget>
#include <functional>

#include "app/accessible.h"

namespace tarvenel::qt {

// Mixed into a widget that the core describes. Until Describe is called it
// reads as a plain widget.
class Described {
public:
    virtual ~Described() = default;
    // `press` is the press action (none for controls that cannot be pressed).
    void Describe(std::function<AccessibleInfo()> describe, std::function<void()> press = {});
    bool IsDescribed() const { return static_cast<bool>(describe_); }
    AccessibleInfo Accessible() const { return describe_(); }
    void Press() const;

private:
    std::function<AccessibleInfo()> describe_;
    std::function<void()> press_;
};

// Makes Qt ask the Described widgets for their descriptions; once, before
// the first window is shown.
void InstallAccessibility();

// Tells screen readers that the widget's name or state changed.
void AnnounceChange(QWidget& widget, AccessibleChange change);

} // namespace tarvenel::qt
