#pragma once
// The forms' passive controls over native child windows. The native window
// stays the single source of truth for text, ticks and visibility.
#include "platform/win32/win_api.h"

#include "app/controls.h"
#include "app/form_design.h"

#include <string>

namespace tarvenel::win32 {

class WinLabel : public Label {
public:
    // The label's width as laid out is the least GrowToText gives it.
    void Attach(HWND window, LabelWidth sizing = LabelWidth::Fixed);
    std::string Caption() const override;
    void SetCaption(const std::string& text) override;
    int Width() const override; // twips
    int Height() const override;

private:
    HWND window_ = nullptr;
    LabelWidth sizing_ = LabelWidth::Fixed;
    int laidOutWidth_ = 0; // pixels
};

// A COMBOBOX with CBS_DROPDOWN: a list and an editable text field.
class WinComboBox : public ComboBox {
public:
    explicit WinComboBox(HWND window = nullptr) : window_(window) {}
    void Attach(HWND window) { window_ = window; }
    HWND Handle() const { return window_; }
    void Clear() override;
    void AddItem(const std::string& text) override;
    void RemoveItem(int index) override;
    int ListCount() const override;
    std::string List(int index) const override;
    int ListIndex() const override;
    std::string Text() const override;
    void SetText(const std::string& text) override;
    bool Enabled() const override;
    void SetEnabled(bool enabled) override;
    // The user picked an entry: the text field does not show it yet while
    // the selection-change notification runs, so it is put there first.
    void TakeChosenEntry();

private:
    HWND window_;
};

class WinCheckBox : public CheckBox {
public:
    explicit WinCheckBox(HWND window = nullptr) : window_(window) {}
    void Attach(HWND window) { window_ = window; }
    int Value() const override;
    void SetValue(int value) override;
    int Width() const override; // pixels, the unit of its mouse events
    int Height() const override;

private:
    HWND window_;
};

class WinPicture : public Picture {
public:
    explicit WinPicture(HWND window = nullptr) : window_(window) {}
    void Attach(HWND window) { window_ = window; }
    bool Visible() const override;
    void SetVisible(bool visible) override;

private:
    HWND window_;
};

// SetTimer on the owning window; its WM_TIMER with this id runs the handler.
// One that keeps to the wall clock's seconds (the clock, 1000 ms) ticks just
// after each second begins instead of at its own rhythm.
class WinTimer : public Timer {
public:
    enum class Rhythm { Own, WallClockSeconds };
    WinTimer(UINT_PTR id, int interval, bool enabled, Rhythm rhythm = Rhythm::Own)
        : id_(id), interval_(interval), enabled_(enabled), rhythm_(rhythm) {}
    // Starts the timer when it was enabled before the window existed.
    void Attach(HWND owner);
    UINT_PTR Id() const { return id_; }
    bool Enabled() const override { return enabled_; }
    void SetEnabled(bool enabled) override;
    int Interval() const override { return interval_; }
    // Before the handler of each WM_TIMER runs: sets the next tick on the
    // wall clock's seconds (the handler may still switch the timer off).
    void Ticked();

private:
    void Start();

    HWND owner_ = nullptr;
    UINT_PTR id_;
    int interval_;
    bool enabled_;
    Rhythm rhythm_;
};

// The width in pixels of one line of text in the window's own font.
int TextWidth(HWND window, const std::wstring& text);

// A window's outer size in twips (15 to the pixel on the forms' grid).
int WidthTwips(HWND window);
int HeightTwips(HWND window);

// Mouse-event arguments of the forms: button 1 left, 2 right, 4 middle;
// shift 1 Shift, 2 Ctrl, 4 Alt.
int MouseButtonOf(UINT message);
int ShiftState();

} // namespace tarvenel::win32
