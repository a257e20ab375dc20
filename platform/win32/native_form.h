#pragma once
// A form's native surface as a Win32 window: the frameless, skinned main
// window or the countdown's dialog, with child windows for its controls. It
// only maps the core's requests onto the windows and their messages onto the
// core's events; the form host decides the rest.
#include "platform/win32/win_api.h"

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "app/native_form.h"
#include "platform/win32/icons.h"

namespace tarvenel::win32 {

class WinForm : public NativeForm {
public:
    enum class Frame { Skinned, Dialog };
    // The main window's class, by which the command line finds the running copy.
    static constexpr const wchar_t* kMainClass = L"Tarvenel.Main";
    static void Register(HINSTANCE instance);

    // A dialog belongs to `owner`: it gets no taskbar button of its own.
    WinForm(HINSTANCE instance, Frame frame, HWND owner = nullptr);
    ~WinForm() override;
    WinForm(const WinForm&) = delete;
    WinForm& operator=(const WinForm&) = delete;

    // Makes the hidden window; false when the system refused.
    bool Create();
    HWND Handle() const { return window_; }
    // A control's window by its form name; null for an unknown one.
    HWND Child(const std::string& name) const;
    // Before a message is dispatched: the form's own keys and the dialog
    // manager's; true when it was used up here.
    bool PreTranslate(MSG& msg);
    // Messages the front end's services take (the taskbar's return, the
    // command line's requests): true with the result when taken.
    std::function<bool(UINT, WPARAM, LPARAM, LRESULT&)> services;

    // NativeForm
    void Attach(FormSink& sink) override { sink_ = &sink; }
    void Make(int control, const ControlSpec& spec) override;
    std::string Text(int control) const override;
    void SetText(int control, const std::string& text) override;
    bool Enabled(int control) const override;
    void SetEnabled(int control, bool enabled) override;
    bool Visible(int control) const override;
    void SetVisible(int control, bool visible) override;
    bool Focused(int control) const override;
    void Focus(int control) override;
    TwipsRect Place(int control) const override;
    void SetPlace(int control, const TwipsRect& place) override;
    int TextWidth(int control, const std::string& text) const override;
    void AnnounceChange(int control, AccessibleChange change) override;
    void ClearEntries(int control) override;
    void AddEntries(int control, const std::vector<std::string>& texts) override;
    void RemoveEntry(int control, int index) override;
    int EntryCount(int control) const override;
    std::string Entry(int control, int index) const override;
    bool Checked(int control) const override;
    void SetChecked(int control, bool checked) override;
    void ShowFace(int control, const Bitmap& face) override;
    void SetOutline(int control, const Region& outline) override;
    void Capture(int control, bool on) override;
    bool CursorOver(int control) const override;
    void CursorAt(int control, float& x, float& y) const override;
    void SetAccessKey(int control, char) override;
    void StartTimer(int timer, int ms) override;
    void StopTimer(int timer) override;
    long long NowMs() const override;
    WindowState State() const override;
    void SetState(WindowState state) override;
    void BeginSystemMove() override;
    void SetAlwaysOnTop(bool onTop) override;
    void Close() override;
    void SetCaretResting(bool resting) override;

private:
    struct Control;
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK DrawnProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ChildProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR id, DWORD_PTR self);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleDrawn(Control& c, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleChild(Control& c, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool Mouse(int control, UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(int id, int code);
    LRESULT OnControlColour(HDC dc, HWND control);
    void DrawGraphical(const DRAWITEMSTRUCT& item);
    void PaintFace(Control& c, HDC dc);
    bool Send(const FormEvent& event);
    Control* At(int control) const;
    Control* Of(HWND window) const;
    HFONT FontOf(const FontSpec& spec);
    HBRUSH BrushOf(Rgb colour);
    void Rest(HWND edit);
    void Wake();

    HINSTANCE instance_;
    Frame frame_;
    HWND owner_;
    HWND window_ = nullptr;
    HWND toolTip_ = nullptr;
    FormSink* sink_ = nullptr;
    std::map<int, std::unique_ptr<Control>> controls_;
    std::map<std::string, HFONT> fonts_;
    std::map<Rgb, HBRUSH> brushes_;
    HBITMAP background_ = nullptr; // the form's face, a DIB section
    IconHandle smallIcon_, bigIcon_, hand_;
    bool releasing_ = false; // a check box is handling a mouse release
    bool closed_ = false;
    HWND resting_ = nullptr; // the text field whose caret is drawn lit here
    RECT caret_{};
};

} // namespace tarvenel::win32
