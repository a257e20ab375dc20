#pragma once
// frmMain as a native window: a frameless WS_POPUP window carrying the form's
// controls, made by looping over the form's tables. Each native control is
// handed to FrmMain as a control interface, and its events go to FrmMain's
// entry point for its place in the table.
#include "platform/win32/win_api.h"

#include <array>
#include <map>
#include <memory>
#include <string>

#include "platform/win32/button_window.h"
#include "platform/win32/caret_rest.h"
#include "platform/win32/gdi_text_renderer.h"
#include "platform/win32/icons.h"
#include "platform/win32/image_window.h"
#include "platform/win32/win_controls.h"
#include "platform/win32/win_notify_icon.h"
#include "scheduler/frm_main.h"
#include "scheduler/frm_main_design.h"

namespace tarvenel::win32 {

class MainWindow : public Form, public MainWindowSurface, public WindowMover {
public:
    MainWindow(HINSTANCE instance, SystemServices services);
    ~MainWindow() override;
    static void Register(HINSTANCE instance);
    // The window class, by which the command line finds the running copy.
    static constexpr const wchar_t* kClassName = L"Tarvenel.Main";

    // Makes the hidden window with its controls; false when the system refused.
    bool Create();
    HWND Handle() const { return window_; }
    FrmMain& Frm() { return *frm_; }
    Timer& RestoreTimer() { return timer2_; } // Timer2, which the countdown dialog starts
    // A control by its form name ("Combo4", "XPButton2", "LbBR" ...); null
    // for an unknown name.
    HWND Child(const std::string& name) const;
    // Lets the window go without running any more handlers (the program ends).
    void Discard();

    // Form
    std::string Caption() const override { return caption_; }
    void SetCaption(const std::string& text) override;
    void Show() override;
    void Hide() override { ShowWindow(window_, SW_HIDE); }
    void Restore() override;
    bool Visible() const override { return IsWindowVisible(window_) != FALSE; }
    void SetWindowState(WindowState state) override;
    void SetSize(int widthTwips, int heightTwips) override;
    int Width() const override { return IsIconic(window_) ? 0 : WidthTwips(window_); }
    int Height() const override { return IsIconic(window_) ? 0 : HeightTwips(window_); }
    void Unload() override;

private:
    // MainWindowSurface: what the resize handler changes.
    void PlaceCredit(int left, int top, Rgb foreColour) override;
    void SetCaptionStripWidth(int width) override { captionStripWidth_ = width; }
    void PlaceMinimise(int left, int top) override { Place(images_[0].Handle(), left, top); }
    void PlaceClose(int left, int top) override { Place(images_[1].Handle(), left, top); }
    void SetBackground(Bitmap background) override;
    void SetRegion(const Region& region) override;
    void MoveTo(int left, int top) override { Place(window_, left, top); }
    // WindowMover
    void BeginSystemMove() override;

    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR id, DWORD_PTR self);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleLabel(HWND label, int index, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleCheck(HWND box, int index, UINT message, WPARAM wParam, LPARAM lParam);
    void CreateControls();
    HWND CreateChild(const wchar_t* className, DWORD style, int id, const ControlDesign& d);
    void CreateLabel(int index);
    void CreateCombo(int index);
    void CreateButton(int index);
    void CreateCheck(int index);
    void CreateImages();
    void AddToolTip(HWND control, const char* text);
    void OnCommand(int id, int code);
    void OnMouse(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnControlColour(HDC dc, HWND control);
    void PaintBackground(HDC dc, const RECT& area);
    void Place(HWND window, int leftTwips, int topTwips);
    const ControlDesign* DesignOf(HWND control) const;

    HINSTANCE instance_;
    SystemServices services_;
    HWND window_ = nullptr;
    HWND toolTip_ = nullptr;
    std::string caption_;
    bool discarded_ = false;
    GdiTextRenderer text_;
    HBITMAP background_ = nullptr; // the painted skin, a DIB section
    int captionStripWidth_ = frm_main_design::kIMBar.rect.width;
    COLORREF creditColour_ = RGB(255, 255, 255);

    HFONT font_ = nullptr;
    HBRUSH white_ = nullptr;
    IconHandle icon16_, icon32_, tick_, hand_;
    std::array<IconHandle, 4> faces_; // hover and pressed faces of minimise, close

    std::map<std::string, HWND> named_;
    std::map<HWND, const ControlDesign*> designs_;
    std::array<WinLabel, 5> labels_;
    // Label2, Label3 and LbBR as links to screen readers.
    std::array<std::unique_ptr<WindowAccessibility>, 3> links_;
    CaretRest caretRest_; // before the lists: it outlives their fields
    std::array<WinComboBox, 9> combos_;
    std::array<WinCheckBox, 4> checks_;
    ButtonContainer buttonContainer_{frm_main_design::kBackColour};
    std::array<ButtonWindow, 3> buttons_;
    ImageWindow tickWindow_;
    std::array<ImageWindow, 2> images_; // Immin, Imclose
    WinPicture image1_;
    std::array<std::unique_ptr<CaptionImage>, 2> captionImages_;
    HWND pressedLink_ = nullptr;    // the link the left button went down on
    unsigned checkPresses_[4] = {}; // buttons that went down on each box
    bool releasingCheck_ = false;   // a box is handling a mouse release
    WinTimer timer1_{1, 1000, true, WinTimer::Rhythm::WallClockSeconds};
    WinTimer timer2_{2, 1, false};
    std::unique_ptr<WinNotifyIcon> notifyIcon_;
    std::unique_ptr<FrmMain> frm_;
};

} // namespace tarvenel::win32
