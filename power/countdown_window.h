#pragma once

namespace tarvenel {

// The shutdown countdown dialog as the main window sees it.
class CountdownWindow {
public:
    virtual ~CountdownWindow() = default;
    // Shows a fresh countdown (modeless), starting again from 10.
    virtual void Show() = 0;
    // Closes the dialog through its unload handler, as its close box does;
    // nothing when no dialog is loaded.
    virtual void Close() = 0;
    // The number the loaded dialog shows; -1 when none is loaded.
    virtual int Count() const = 0;
};

} // namespace tarvenel
