#pragma once
// frmMain as a native window: a frameless WS_POPUP window carrying the form's
// controls. It creates the widgets, hands them to FrmMain as control
// interfaces and calls FrmMain's handlers when the user acts or a timer ticks.
#include "platform/win32/win_api.h"

#include <map>
#include <memory>
#include <optional>
#include <string>

#include "platform/win32/button_window.h"
#include "platform/win32/gdi_text_renderer.h"
#include "platform/win32/icons.h"
#include "platform/win32/image_window.h"
#include "platform/win32/win_controls.h"
#include "platform/win32/win_notify_icon.h"
#include "scheduler/frm_main.h"
#include "scheduler/frm_main_design.h"
#include "shell/drag.h"
#include "shell/main_window_skin.h"

namespace tarvenel::win32 {

struct MainWindowServices {
    Clock& clock;
    DateTimeText& dateText;
    SettingsStore& settings;
    Dialogs& dialogs;
    StartupList& startup;
    CountdownWindow& countdown;
    UrlOpener& urls;
    ProgramExit& exit;
    Screen& screen;
};

class MainWindow : public Form, public MainWindowSurface, public WindowMover {
public:
    MainWindow(HINSTANCE instance, MainWindowServices services);
    ~MainWindow() override;
    static void Register(HINSTANCE instance);

    // Makes the hidden window with its controls; false when the system refused.
    bool Create();
    HWND Handle() const { return window_; }
    // A control by its form name ("Combo4", "XPButton2", "LbBR" ...); null
    // for an unknown name.
    HWND Child(const std::string& name) const;
    FrmMain& Frm() { return *frm_; }
    Timer& RestoreTimer() { return timer2_; } // Timer2, which the countdown dialog starts
    // Lets the window go without running any more handlers (the program ends).
    void Discard();

    // Form
    std::string Caption() const override { return caption_; }
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

private:
    // MainWindowSurface: what the resize handler changes.
    void PlaceCredit(int left, int top, Rgb foreColour) override;
    void SetCaptionStripWidth(int width) override;
    void PlaceMinimise(int left, int top) override;
    void PlaceClose(int left, int top) override;
    void SetBackground(Bitmap background) override;
    void SetRegion(const Region& region) override;
    void MoveTo(int left, int top) override;
    // WindowMover
    void BeginSystemMove() override;

    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR id, DWORD_PTR self);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleControl(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleLink(HWND link, int id, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleCheck(HWND box, int index, UINT message, WPARAM wParam, LPARAM lParam);
    void RunCheck(int index, int button, float x, float y);
    void CreateControls();
    void CreateCombo(int index);
    void CreateButton(int index);
    void CreateCheck(int index);
    void FocusFirstControl();
    HWND CreateChild(const wchar_t* className, DWORD style, int id, const ControlDesign& d);
    void AddToolTip(HWND control, const char* text);
    void OnCommand(int id, int code);
    void OnMouse(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnControlColour(HDC dc, HWND control);
    bool OnSetCursor(HWND under);
    void PaintBackground(HDC dc, const RECT& area);

    HINSTANCE instance_;
    MainWindowServices services_;
    HWND window_ = nullptr;
    HWND toolTip_ = nullptr;
    std::string caption_;
    bool discarded_ = false;
    GdiTextRenderer text_;
    HBITMAP background_ = nullptr; // the painted skin, a DIB section
    SIZE backgroundSize_{};
    int captionStripWidth_ = frm_main_design::kIMBar.rect.width;
    COLORREF creditColour_ = RGB(255, 255, 255);

    HFONT font_ = nullptr;
    HBRUSH white_ = nullptr;
    IconHandle icon16_, icon32_, minHover_, minPressed_, closeHover_, closePressed_, tick_;
    IconHandle hand_;

    std::map<std::string, HWND> named_;
    WinLabel label0_, label1_, lbBR_;
    HWND label2_ = nullptr, label3_ = nullptr;
    HWND pressedLink_ = nullptr;    // the link the left button went down on
    unsigned checkPresses_[4] = {}; // buttons that went down on each box
    bool releasingCheck_ = false;   // a box is handling a mouse release
    WinComboBox combos_[9];
    WinCheckBox checks_[4];
    ButtonContainer buttonContainer_{0xFFFFFF}; // the form is white
    ButtonWindow buttons_[3];
    ImageWindow tickWindow_, minWindow_, closeWindow_;
    WinPicture image1_;
    std::unique_ptr<CaptionImage> immin_, imclose_;
    WinTimer timer1_{1, 1000, true};
    WinTimer timer2_{2, 1, false};
    std::unique_ptr<WinNotifyIcon> notifyIcon_;
    std::unique_ptr<FrmMain> frm_;
};

} // namespace tarvenel::win32
