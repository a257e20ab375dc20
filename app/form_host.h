#pragma once
// A form over a front end's native surface: the core makes its controls from
// the form's tables, gives the form's logic its control views, and turns each
// native input into the form's handler call. The rules that are the same on
// every window system live here once: the tab order, a label's width, a
// link's click, a check box's release, a window that appears, the timers'
// rhythm and the text caret's rest.
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/native_form.h"

namespace tarvenel {

// A control with a mind of its own (an XPButton): its every event goes to it.
class DrawnControl {
public:
    virtual ~DrawnControl() = default;
    // True when the event was used up (see FormSink::OnEvent).
    virtual bool OnEvent(const FormEvent& event) = 0;
    virtual AccessibleInfo Describe() const = 0;
};

class FormHost : public FormSink {
public:
    explicit FormHost(NativeForm& native);
    ~FormHost() override;
    FormHost(const FormHost&) = delete;
    FormHost& operator=(const FormHost&) = delete;

    NativeForm& Native() { return native_; }

    // --- Making. Controls are numbered in the order they are declared;
    // MakeAll makes them in that order, the tab stops among them by their
    // tab index.
    int Declare(const ControlDesign& design, ControlKind kind);
    ControlSpec& Spec(int control) { return controls_.at(static_cast<std::size_t>(control)).spec; }
    void SetWidthRule(int label, LabelWidth rule);
    void MakeAll();
    int Count() const { return static_cast<int>(controls_.size()); }
    // The control by its form name; -1 when there is none.
    int Find(const std::string& name) const;

    // --- The form's logic sees these.
    Form& FormView() { return form_; }
    TopMostWindow& TopMostView() { return form_; }
    Label& LabelView(int control);
    ComboBox& ListView(int control);
    CheckBox& CheckView(int control);
    CommandButton& ButtonView(int control); // a native push button
    Picture& PictureView(int control);
    // A drawn image that shows one of three faces.
    ImageButton& ImageView(int control, Bitmap hover, Bitmap pressed);
    // The window's background, which pictures show through their
    // transparent pixels.
    void SetBackground(Bitmap background);
    // A drawn picture's face, laid over the background under it; an empty
    // face shows the background alone.
    void ShowPicture(int control, Bitmap face);

    // A timer of the form; one on the wall clock's seconds ticks just after
    // each second begins rather than at its own rhythm.
    enum class Rhythm { Own, WallClockSeconds };
    Timer& AddTimer(int intervalMs, bool enabled, std::function<void()> tick,
                    Rhythm rhythm = Rhythm::Own);
    // A timer for a control's own use (a button's hover poll).
    int ReserveTimer(std::function<void()> tick);
    void StartTimer(int timer, int ms);
    void StopTimer(int timer);

    // --- What the input means.
    using Handler = std::function<void(const FormEvent&)>;
    void On(int control, FormEventKind kind, Handler handler);
    // A control that acts when the left button that went down on it comes
    // up over it (a link, a caption image).
    void OnClick(int control, std::function<void()> click);
    // A check box's switch handler: the release of any button that went down
    // on the box, after it has toggled, with the release point in the box's
    // pixels; a switch from the keyboard counts as a left release inside.
    void OnCheckRelease(int box, std::function<void(int button, int shift, float x, float y)>);
    // A list's entry chosen by the user; typed text never is.
    void OnChosen(int list, std::function<void()> chosen);
    // Keys seen by the form before its focused control; true uses one up.
    void OnFormKey(std::function<bool(int key, int shift)> key);
    // Form_Resize, run before a window appears and when it comes back.
    void OnResize(std::function<void()> resize) { resize_ = std::move(resize); }
    // Form_Unload / Form_QueryUnload, as the window goes.
    void OnUnload(std::function<void()> unload) { unload_ = std::move(unload); }
    void Host(int control, DrawnControl& drawn);
    // Moves the keyboard on from a control to the next tab stop that takes
    // it (back with `forward` false), as Tab does.
    void FocusNext(int control, bool forward);
    void Describe(int control, std::function<AccessibleInfo()> describe);

    // FormSink
    bool OnEvent(const FormEvent& event) override;
    AccessibleInfo Describe(int control) const override;

    // The window goes without any further handler (the program ends).
    void Discard();
    bool Discarded() const { return discarded_; }

private:
    struct Control {
        ControlSpec spec;
        int tabIndex = -1;
        LabelWidth widthRule = LabelWidth::Fixed;
        DrawnControl* drawn = nullptr;
        std::function<AccessibleInfo()> describe;
        unsigned pressed = 0; // buttons that went down on it and are still held
        bool picture = false; // shown over the form's background
        Bitmap face;
        Bitmap under; // the background where it stands, white beyond it
    };
    class Views;
    class FormWindow : public Form, public TopMostWindow {
    public:
        explicit FormWindow(FormHost& host) : host_(host) {}
        std::string Caption() const override;
        void SetCaption(const std::string& text) override;
        void Show() override;
        void Hide() override;
        void Restore() override;
        bool Visible() const override;
        void SetWindowState(WindowState state) override;
        void SetSize(int widthTwips, int heightTwips) override;
        int Width() const override;
        int Height() const override;
        void Unload() override;
        void SetAlwaysOnTop(bool onTop) override;

    private:
        FormHost& host_;
    };
    struct HostTimer;

    bool Dispatch(const FormEvent& event);
    void ShowComposed(int control);
    void Input(); // a key, click or focus change: the caret blinks again
    Control& At(int control) { return controls_.at(static_cast<std::size_t>(control)); }

    NativeForm& native_;
    std::vector<Control> controls_;
    std::vector<int> order_; // as made: the tab order
    std::unique_ptr<Views> views_;
    FormWindow form_{*this};
    std::vector<std::unique_ptr<HostTimer>> timers_;
    std::multimap<std::pair<int, FormEventKind>, Handler> handlers_;
    std::function<bool(int, int)> formKey_;
    std::function<void()> resize_;
    std::function<void()> unload_;
    int firstStop_ = -1;
    int caretTimer_ = -1;
    bool caretResting_ = false;
    bool made_ = false;
    bool discarded_ = false;
    bool unloaded_ = false;
};

} // namespace tarvenel
