#pragma once
// The controls of the forms as the core sees them: small passive views that
// each front end implements over its native widgets and the tests implement in
// memory. The native widget stays the single source of truth for what the user
// typed or ticked; the core only asks and tells.
#include <string>
#include <vector>

namespace tarvenel {

class Label {
public:
    virtual ~Label() = default;
    virtual std::string Caption() const = 0;
    virtual void SetCaption(const std::string& text) = 0;
    // Size in twips.
    virtual int Width() const = 0;
    virtual int Height() const = 0;
};

// A drop-down list with an editable text field.
class ComboBox {
public:
    virtual ~ComboBox() = default;
    virtual void Clear() = 0;
    virtual void AddItem(const std::string& text) = 0;
    // A whole list's entries at once, which a toolkit can add in one step.
    virtual void AddItems(const std::vector<std::string>& texts) {
        for (const std::string& text : texts)
            AddItem(text);
    }
    virtual void RemoveItem(int index) = 0;
    virtual int ListCount() const = 0;
    virtual std::string List(int index) const = 0;
    // Position of the chosen entry, -1 when the text matches no choice.
    virtual int ListIndex() const = 0;
    // Whatever the text field holds, typed text included.
    virtual std::string Text() const = 0;
    virtual void SetText(const std::string& text) = 0;
    virtual bool Enabled() const = 0;
    virtual void SetEnabled(bool enabled) = 0;
};

class CheckBox {
public:
    virtual ~CheckBox() = default;
    // 0 clear, 1 ticked (other stored numbers show as the front end sees fit).
    virtual int Value() const = 0;
    virtual void SetValue(int value) = 0;
    // Size of the box in the units of its mouse events.
    virtual int Width() const = 0;
    virtual int Height() const = 0;
};

// The parts of a push button the forms use.
class CommandButton {
public:
    virtual ~CommandButton() = default;
    virtual std::string Caption() const = 0;
    virtual void SetCaption(const std::string& text) = 0;
    virtual bool Enabled() const = 0;
    virtual void SetEnabled(bool enabled) = 0;
    virtual void SetFocus() = 0;
};

class Picture {
public:
    virtual ~Picture() = default;
    virtual bool Visible() const = 0;
    virtual void SetVisible(bool visible) = 0;
};

// A timer whose ticks the front end delivers by calling the form's handler.
class Timer {
public:
    virtual ~Timer() = default;
    virtual bool Enabled() const = 0;
    virtual void SetEnabled(bool enabled) = 0;
    virtual int Interval() const = 0;
};

// A small image used as a button (the caption's minimise and close images):
// it shows no picture, its hover picture or its pressed picture.
enum class ImageFace { None, Hover, Pressed };

class ImageButton {
public:
    virtual ~ImageButton() = default;
    virtual void ShowFace(ImageFace face) = 0;
};

enum class WindowState { Normal, Minimised, Maximised };

// A window that can be kept above every other window (the countdown dialog).
class TopMostWindow {
public:
    virtual ~TopMostWindow() = default;
    // Above all normal windows (true) or back among them; shows the window.
    // May throw when the window is gone.
    virtual void SetAlwaysOnTop(bool onTop) = 0;
};

// Lengths in twips (15 to the pixel at 96 dpi).
class Form {
public:
    virtual ~Form() = default;
    virtual std::string Caption() const = 0;
    virtual void SetCaption(const std::string& text) = 0;
    // Shows the window; when it appears (it was hidden or minimised) the
    // front end runs the form's resize handler first, so that it appears
    // placed, shaped and painted.
    virtual void Show() = 0;
    virtual void Hide() = 0;
    // Brings the window back in its normal state where it was (ShowWindow
    // with SW_RESTORE): a hidden window keeps its place, with no resize.
    virtual void Restore() = 0;
    virtual bool Visible() const = 0;
    virtual void SetWindowState(WindowState state) = 0;
    virtual void SetSize(int widthTwips, int heightTwips) = 0;
    // Current outer size in twips (0 while minimised, where it means nothing).
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    // Closes the window for good; the front end runs the form's unload
    // handler as it goes.
    virtual void Unload() = 0;
};

} // namespace tarvenel
