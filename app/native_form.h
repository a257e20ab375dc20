#pragma once
// The one surface a front end gives the core for a form: a native window with
// controls made by kind at a place, their text, state and faces, and timers.
// Everything else (which control is made how, what an input means, the order
// of things) is the core's form host's; every native input reaches it as one
// event shape. Control numbers are the form's own; kForm is the window.
#include <optional>
#include <string>
#include <vector>

#include "app/accessible.h"
#include "app/controls.h"
#include "app/form_design.h"
#include "raster/bitmap.h"
#include "raster/font.h"
#include "raster/region.h"

namespace tarvenel {

inline constexpr int kForm = -1;

enum class ControlKind {
    Label,    // one line of text
    List,     // a drop-down list with an editable text field
    CheckBox, // the whole box switches, not only its mark
    Button,   // a native push button
    Drawn,    // a surface the core paints: buttons, pictures, caption images
};

// How a control is made. Places are the form's twips.
struct ControlSpec {
    ControlKind kind = ControlKind::Label;
    std::string name; // the form's name, e.g. "Combo4"
    std::string text; // caption, or a list's design text
    std::string toolTip;
    TwipsRect place;
    FontSpec font;
    Rgb textColour = 0;
    std::optional<Rgb> backColour; // none: the form's background shows through
    bool centred = false;          // a label's text
    bool handCursor = false;
    bool tabStop = false; // the keyboard stops there, in the order of making
    bool visible = true;
    bool graphical = false; // a Button with the back colour as its face
};

// A press's release comes back to the control that got the press, wherever
// the pointer then is.
enum class FormEventKind {
    MouseDown,   // button, shift, x, y in client pixels (of the control or the form)
    MouseUp,     // on a check box: after the box has toggled
    MouseMove,   // button: the buttons held
    DoubleClick, // the second press of a quick pair
    KeyDown,     // key: virtual key; repeat
    KeyUp,
    Character,      // key: the character a key typed
    Chosen,         // a list's entry picked by the user; the field shows it already
    Toggled,        // a check box switched from the keyboard
    Clicked,        // a native button pressed, by mouse, keys or access key
    FocusIn,        // the control got the keyboard focus
    FocusOut,       //
    Paint,          // a drawn control is to be shown
    Resized,        // a drawn control's size changed
    ColoursChanged, // the system's colours changed (another theme)
    StateChanged,   // the window was restored from the taskbar or shown again
    Timer,          // key: the timer's number
    Close,          // the close box, the window manager or the end of the session
    Press,          // a screen reader's press of a drawn control
};

struct FormEvent {
    int control = kForm;
    FormEventKind kind = FormEventKind::MouseMove;
    int button = 0; // 1 left, 2 right, 4 middle
    int shift = 0;  // 1 Shift, 2 Ctrl, 4 Alt
    float x = 0;
    float y = 0;
    int key = 0;
    bool repeat = false;
};

// Where a front end's events go.
class FormSink {
public:
    virtual ~FormSink() = default;
    // True when the event was used up: a key the focused control must not
    // see, or a character that must not be typed.
    virtual bool OnEvent(const FormEvent& event) = 0;
    // What a screen reader is told about a drawn control or a label.
    virtual AccessibleInfo Describe(int control) const = 0;
};

class NativeForm {
public:
    virtual ~NativeForm() = default;
    virtual void Attach(FormSink& sink) = 0;
    // Controls are made in tab order.
    virtual void Make(int control, const ControlSpec& spec) = 0;

    // Any control, and for kForm the window: its caption, shown or hidden
    // (showing brings the window to the front), place and size in twips.
    virtual std::string Text(int control) const = 0;
    virtual void SetText(int control, const std::string& text) = 0;
    virtual bool Enabled(int control) const = 0;
    virtual void SetEnabled(int control, bool enabled) = 0;
    virtual bool Visible(int control) const = 0;
    virtual void SetVisible(int control, bool visible) = 0;
    virtual bool Focused(int control) const = 0;
    virtual void Focus(int control) = 0;
    virtual TwipsRect Place(int control) const = 0;
    virtual void SetPlace(int control, const TwipsRect& place) = 0;
    // Width in twips of one line of text in the control's font.
    virtual int TextWidth(int control, const std::string& text) const = 0;
    virtual void AnnounceChange(int control, AccessibleChange change) = 0;

    // Lists.
    virtual void ClearEntries(int control) = 0; // the text field keeps its text
    virtual void AddEntries(int control, const std::vector<std::string>& texts) = 0;
    virtual void RemoveEntry(int control, int index) = 0;
    virtual int EntryCount(int control) const = 0;
    virtual std::string Entry(int control, int index) const = 0;

    // Check boxes.
    virtual bool Checked(int control) const = 0;
    virtual void SetChecked(int control, bool checked) = 0; // no event

    // Drawn controls, and the window's background (kForm). A face with
    // transparent pixels shows the form's background through them.
    virtual void ShowFace(int control, const Bitmap& face) = 0;
    // Nothing outside the outline is shown or takes the mouse (kForm: the
    // window's shape).
    virtual void SetOutline(int control, const Region& outline) = 0;
    virtual void Capture(int control, bool on) = 0;
    // Whether the window under the cursor is this control (not a disabled
    // one, not a window over it) within its outline; and where it is.
    virtual bool CursorOver(int control) const = 0;
    virtual void CursorAt(int control, float& x, float& y) const = 0; // client pixels
    // Alt and this letter press the control (0 for none).
    virtual void SetAccessKey(int control, char key) = 0;

    // Timers: each fires once, `ms` from now, as a Timer event.
    virtual void StartTimer(int timer, int ms) = 0;
    virtual void StopTimer(int timer) = 0;
    // The wall clock's milliseconds, for timers that keep to its seconds.
    virtual long long NowMs() const = 0;

    // The window.
    virtual WindowState State() const = 0;
    virtual void SetState(WindowState state) = 0; // Normal brings it back where it was
    virtual void BeginSystemMove() = 0;           // the left button is down on it
    virtual void SetAlwaysOnTop(bool onTop) = 0;  // shows it
    virtual void Close() = 0;                     // for good, with no event
    // The text fields' caret blinking (after input) or resting lit.
    virtual void SetCaretResting(bool resting) = 0;
};

} // namespace tarvenel
