#include "platform/win32/main_window.h"

#include <algorithm>
#include <vector>

#include <commctrl.h>
#include <uxtheme.h>

#include "platform/win32/gdi_bridge.h"
#include "platform/win32/wide.h"

namespace tarvenel::win32 {
namespace {

constexpr wchar_t kClassName[] = L"Tarvenel.Main";
namespace D = frm_main_design;

// Control identifiers.
enum : int {
    kLabel0 = 100,
    kLabel1,
    kLabel2,
    kLabel3,
    kLbBR,
    kImage1,
    kImmin,
    kImclose,
    kCombo1 = 110, // ... kCombo1 + 8
    kCheck1 = 120, // ... kCheck1 + 3
    kButton1 = 130 // ... kButton1 + 2
};

RECT Pixels(const ControlDesign& d) {
    return {TwipsToPixels(d.rect.left), TwipsToPixels(d.rect.top), TwipsToPixels(d.rect.Right()),
            TwipsToPixels(d.rect.Bottom())};
}

COLORREF Colour(unsigned bgr) {
    return static_cast<COLORREF>(bgr); // both are 0x00BBGGRR
}

} // namespace

MainWindow::MainWindow(HINSTANCE instance, MainWindowServices services)
    : instance_(instance), services_(std::move(services)) {}

MainWindow::~MainWindow() {
    Discard();
    if (font_)
        DeleteObject(font_);
    if (white_)
        DeleteObject(white_);
    if (background_)
        DeleteObject(background_);
}

void MainWindow::Register(HINSTANCE instance) {
    WNDCLASSEXW c{};
    c.cbSize = sizeof(c);
    c.lpfnWndProc = Proc;
    c.hInstance = instance;
    c.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    c.lpszClassName = kClassName;
    RegisterClassExW(&c);
}

bool MainWindow::Create() {
    icon16_ = ArtworkIcon(Artwork::Icon16);
    icon32_ = ArtworkIcon(Artwork::Icon32);
    minHover_ = ArtworkIcon(Artwork::MinHover);
    minPressed_ = ArtworkIcon(Artwork::MinPressed);
    closeHover_ = ArtworkIcon(Artwork::CloseHover);
    closePressed_ = ArtworkIcon(Artwork::ClosePressed);
    tick_ = ArtworkIcon(Artwork::Tick);
    hand_ = ArtworkCursor(Artwork::HandCursor, kHandCursorHotSpotX, kHandCursorHotSpotY);
    font_ = CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                        DEFAULT_PITCH | FF_DONTCARE, L"宋体");
    white_ = CreateSolidBrush(RGB(255, 255, 255));

    // No frame and no system caption: the skin draws both.
    window_ = CreateWindowExW(WS_EX_APPWINDOW, kClassName, L"",
                              WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPSIBLINGS, 0, 0,
                              TwipsToPixels(kMainWidthTwips), TwipsToPixels(kMainHeightTwips),
                              nullptr, nullptr, instance_, this);
    if (!window_)
        return false;
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon16_.Get()));
    SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon32_.Get()));
    CreateControls();
    timer1_.Attach(window_);
    timer2_.Attach(window_);
    notifyIcon_ = std::make_unique<WinNotifyIcon>(window_, icon32_.Get());

    auto& s = services_;
    frm_ = std::make_unique<FrmMain>(FrmMainControls{*this,
                                                     label0_,
                                                     label1_,
                                                     lbBR_,
                                                     combos_[0],
                                                     combos_[1],
                                                     combos_[2],
                                                     combos_[3],
                                                     combos_[4],
                                                     combos_[5],
                                                     combos_[6],
                                                     combos_[7],
                                                     combos_[8],
                                                     checks_[0],
                                                     checks_[1],
                                                     checks_[2],
                                                     checks_[3],
                                                     buttons_[0].View(),
                                                     buttons_[1].View(),
                                                     buttons_[2].View(),
                                                     image1_,
                                                     *immin_,
                                                     *imclose_,
                                                     timer1_,
                                                     timer2_},
                                     FrmMainServices{s.clock, s.dateText, s.settings, s.dialogs,
                                                     s.startup, *notifyIcon_, s.countdown, s.urls,
                                                     s.exit, s.screen, *this, *this, text_});
    return true;
}

HWND MainWindow::CreateChild(const wchar_t* className, DWORD style, int id,
                             const ControlDesign& d) {
    const RECT r = Pixels(d);
    HWND child =
        CreateWindowExW(0, className, Widen(d.caption).c_str(), WS_CHILD | style, r.left, r.top,
                        r.right - r.left, r.bottom - r.top, window_,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    if (*d.toolTip)
        AddToolTip(child, d.toolTip);
    named_[d.name] = child;
    return child;
}

HWND MainWindow::Child(const std::string& name) const {
    const auto found = named_.find(name);
    return found == named_.end() ? nullptr : found->second;
}

void MainWindow::AddToolTip(HWND control, const char* text) {
    const std::wstring wide = Widen(text);
    TTTOOLINFOW info{};
    info.cbSize = sizeof(info);
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = window_;
    info.uId = reinterpret_cast<UINT_PTR>(control);
    info.lpszText = const_cast<wchar_t*>(wide.c_str());
    SendMessageW(toolTip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void MainWindow::CreateControls() {
    toolTip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0,
                               0, 0, 0, window_, nullptr, instance_, nullptr);
    SendMessageW(toolTip_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);

    const DWORD label = WS_VISIBLE | SS_NOTIFY | SS_NOPREFIX | SS_LEFTNOWORDWRAP;
    label0_.Attach(CreateChild(L"STATIC", label, kLabel0, D::kLabel0), D::kTimeLineWidth);
    label1_.Attach(CreateChild(L"STATIC", label, kLabel1, D::kLabel1), D::kTimeLineWidth);
    label2_ = CreateChild(L"STATIC", label, kLabel2, D::kLabel2);
    label3_ = CreateChild(L"STATIC", label, kLabel3, D::kLabel3);
    lbBR_.Attach(CreateChild(L"STATIC", label, kLbBR, D::kLbBR), D::kCreditWidth);
    for (int id : {kLabel0, kLabel1, kLabel2, kLabel3, kLbBR})
        SetWindowSubclass(GetDlgItem(window_, id), ControlProc, static_cast<UINT_PTR>(id),
                          reinterpret_cast<DWORD_PTR>(this));

    // The keyboard tabs through the windows in the order they are made.
    struct Stop {
        int tabIndex;
        void (MainWindow::*make)(int);
        int index;
    };
    std::vector<Stop> stops;
    for (int i = 0; i < 9; ++i)
        stops.push_back(
            {D::kCombos[static_cast<std::size_t>(i)].tabIndex, &MainWindow::CreateCombo, i});
    for (int i = 0; i < 3; ++i)
        stops.push_back(
            {D::kButtons[static_cast<std::size_t>(i)].tabIndex, &MainWindow::CreateButton, i});
    for (int i = 0; i < 4; ++i)
        stops.push_back(
            {D::kChecks[static_cast<std::size_t>(i)].tabIndex, &MainWindow::CreateCheck, i});
    std::sort(stops.begin(), stops.end(),
              [](const Stop& x, const Stop& y) { return x.tabIndex < y.tabIndex; });
    for (const Stop& stop : stops)
        (this->*stop.make)(stop.index);
    buttons_[0].Model().events.Click = [this] { frm_->ArmSchedule(); };
    buttons_[1].Model().events.Click = [this] { frm_->CancelSchedule(); };
    buttons_[2].Model().events.Click = [this] { frm_->ResetSelectors(); };

    auto background = [this](HDC dc, const RECT& area) { PaintBackground(dc, area); };
    tickWindow_.Create(window_, kImage1, Pixels(D::kImage1), false);
    tickWindow_.SetFace(tick_.Get());
    tickWindow_.onMouseDown = [this](const MouseEvent& e) {
        frm_->Image1_MouseDown(e.button, e.shift, e.x, e.y);
    };
    image1_.Attach(tickWindow_.Handle());
    named_[D::kImage1.name] = tickWindow_.Handle();

    minWindow_.Create(window_, kImmin, Pixels(D::kImmin), true);
    closeWindow_.Create(window_, kImclose, Pixels(D::kImclose), true);
    named_[D::kImmin.name] = minWindow_.Handle();
    named_[D::kImclose.name] = closeWindow_.Handle();
    minWindow_.paintBackground = background;
    closeWindow_.paintBackground = background;
    AddToolTip(minWindow_.Handle(), D::kImmin.toolTip);
    AddToolTip(closeWindow_.Handle(), D::kImclose.toolTip);
    immin_ = std::make_unique<CaptionImage>(minWindow_, minHover_.Get(), minPressed_.Get());
    imclose_ = std::make_unique<CaptionImage>(closeWindow_, closeHover_.Get(), closePressed_.Get());
    minWindow_.onMouseMove = [this](const MouseEvent& e) {
        frm_->Immin_MouseMove(e.button, e.shift, e.x, e.y);
    };
    minWindow_.onMouseDown = [this](const MouseEvent& e) {
        frm_->Immin_MouseDown(e.button, e.shift, e.x, e.y);
    };
    minWindow_.onMouseUp = [this](const MouseEvent& e) {
        frm_->Immin_MouseUp(e.button, e.shift, e.x, e.y);
    };
    minWindow_.onClick = [this] { frm_->Immin_Click(); };
    closeWindow_.onMouseMove = [this](const MouseEvent& e) {
        frm_->Imclose_MouseMove(e.button, e.shift, e.x, e.y);
    };
    closeWindow_.onMouseDown = [this](const MouseEvent& e) {
        frm_->Imclose_MouseDown(e.button, e.shift, e.x, e.y);
    };
    closeWindow_.onMouseUp = [this](const MouseEvent& e) {
        frm_->Imclose_MouseUp(e.button, e.shift, e.x, e.y);
    };
    closeWindow_.onClick = [this] { frm_->Imclose_Click(); };
}

void MainWindow::CreateCombo(int i) {
    ControlDesign d = D::kCombos[static_cast<std::size_t>(i)];
    d.rect.height = 3000; // the dropped-down list's room
    HWND combo = CreateChild(L"COMBOBOX", WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN,
                             kCombo1 + i, d);
    // Classic, like the option boxes beside them ("" would leave Wine's
    // themes on; " " names no theme class anywhere).
    SetWindowTheme(combo, L" ", L" ");
    combos_[i].Attach(combo);
    // The mouse is over the text field most of the time: it shows the tip too.
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    if (GetComboBoxInfo(combo, &info) && info.hwndItem)
        AddToolTip(info.hwndItem, d.toolTip);
}

void MainWindow::CreateButton(int i) {
    static const auto stored = MainWindowButtons();
    const auto n = static_cast<std::size_t>(i);
    HWND button = buttons_[i].Create(window_, kButton1 + i, Pixels(D::kButtons[n]),
                                     buttonContainer_, stored[n], text_);
    named_[D::kButtons[n].name] = button;
    AddToolTip(button, stored[n].toolTip.c_str());
}

void MainWindow::CreateCheck(int i) {
    HWND box = CreateChild(L"BUTTON", WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, kCheck1 + i,
                           D::kChecks[static_cast<std::size_t>(i)]);
    // Plain boxes honour the form's text colours.
    SetWindowTheme(box, L" ", L" ");
    SetWindowSubclass(box, ControlProc, static_cast<UINT_PTR>(kCheck1 + i),
                      reinterpret_cast<DWORD_PTR>(this));
    checks_[i].Attach(box);
}

void MainWindow::Discard() {
    if (discarded_ || !window_)
        return;
    discarded_ = true;
    timer1_.SetEnabled(false);
    timer2_.SetEnabled(false);
    DestroyWindow(window_);
}

LRESULT CALLBACK MainWindow::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = WindowObject(window, message, lParam, &MainWindow::window_);
    if (!self || self->discarded_ || !self->frm_)
        return DefWindowProcW(window, message, wParam, lParam);
    return self->Handle(message, wParam, lParam);
}

LRESULT MainWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WinNotifyIcon::TaskbarCreatedMessage()) {
        notifyIcon_->OnTaskbarCreated();
        return 0;
    }
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window_, &ps);
        PaintBackground(dc, ps.rcPaint);
        EndPaint(window_, &ps);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        return OnControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_TIMER:
        if (wParam == timer1_.Id() && timer1_.Enabled())
            frm_->ClockTick();
        else if (wParam == timer2_.Id() && timer2_.Enabled())
            frm_->RestoreAfterCancel();
        return 0;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        OnMouse(message, wParam, lParam);
        return 0;
    case WM_SETCURSOR:
        if (OnSetCursor(reinterpret_cast<HWND>(wParam)))
            return TRUE;
        break;
    case WM_SIZE:
        // A restore from the minimised state runs the resize handler; the
        // first showing runs it before the window appears.
        if (wParam == SIZE_RESTORED && IsWindowVisible(window_))
            frm_->Form_Resize();
        return 0;
    case WM_CLOSE:
        Unload();
        return 0;
    case WM_QUERYENDSESSION:
        return TRUE;
    case WM_ENDSESSION:
        if (wParam)
            frm_->Form_QueryUnload();
        return 0;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

LRESULT CALLBACK MainWindow::ControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR, DWORD_PTR self) {
    auto* main = reinterpret_cast<MainWindow*>(self);
    if (main->discarded_)
        return DefSubclassProc(control, message, wParam, lParam);
    return main->HandleControl(control, message, wParam, lParam);
}

LRESULT MainWindow::HandleControl(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    const int id = GetDlgCtrlID(control);
    if (id == kLabel0 || id == kLabel1) {
        if (message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN) {
            const float x = static_cast<float>(PixelsToTwips(XOfMouse(lParam)));
            const float y = static_cast<float>(PixelsToTwips(YOfMouse(lParam)));
            if (id == kLabel0)
                frm_->Label0_MouseDown(MouseButtonOf(message), ShiftState(), x, y);
            else
                frm_->Label1_MouseDown(MouseButtonOf(message), ShiftState(), x, y);
            return 0;
        }
        return DefSubclassProc(control, message, wParam, lParam);
    }
    if (id == kLabel2 || id == kLabel3 || id == kLbBR)
        return HandleLink(control, id, message, wParam, lParam);
    if (id >= kCheck1 && id < kCheck1 + 4)
        return HandleCheck(control, id - kCheck1, message, wParam, lParam);
    return DefSubclassProc(control, message, wParam, lParam);
}

LRESULT MainWindow::HandleLink(HWND link, int id, UINT message, WPARAM wParam, LPARAM lParam) {
    // A link acts when the left button that went down on it comes up over
    // it, like a button; the press alone does nothing.
    switch (message) {
    case WM_LBUTTONDOWN:
        pressedLink_ = link;
        SetCapture(link);
        return 0;
    case WM_LBUTTONUP: {
        if (pressedLink_ != link)
            return 0;
        pressedLink_ = nullptr;
        ReleaseCapture();
        RECT r{};
        GetClientRect(link, &r);
        if (!PtInRect(&r, POINT{XOfMouse(lParam), YOfMouse(lParam)}))
            return 0;
        if (id == kLabel2)
            frm_->Label2_Click();
        else if (id == kLabel3)
            frm_->Label3_Click();
        else
            frm_->LbBR_Click();
        return 0;
    }
    case WM_CAPTURECHANGED:
        if (pressedLink_ == link)
            pressedLink_ = nullptr;
        break;
    }
    return DefSubclassProc(link, message, wParam, lParam);
}

LRESULT MainWindow::HandleCheck(HWND box, int index, UINT message, WPARAM wParam, LPARAM lParam) {
    unsigned& pressed = checkPresses_[index];
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        pressed |= static_cast<unsigned>(MouseButtonOf(message));
        // The release may come anywhere; it still belongs to the box (the
        // box captures the left button itself).
        if (message != WM_LBUTTONDOWN)
            SetCapture(box);
        break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
        const unsigned button = static_cast<unsigned>(MouseButtonOf(message));
        // Only a release that follows a press on this box counts.
        const bool pressedHere = pressed & button;
        pressed &= ~button;
        // The box toggles first, then the switch reads its new state.
        releasingCheck_ = true;
        const LRESULT result = DefSubclassProc(box, message, wParam, lParam);
        releasingCheck_ = false;
        if (message != WM_LBUTTONUP && GetCapture() == box)
            ReleaseCapture();
        if (pressedHere)
            RunCheck(index, static_cast<int>(button), static_cast<float>(XOfMouse(lParam)),
                     static_cast<float>(YOfMouse(lParam)));
        return result;
    }
    case WM_CAPTURECHANGED:
        // Another window took the mouse: the press no longer belongs here.
        if (!releasingCheck_ && reinterpret_cast<HWND>(lParam) != box)
            pressed = 0;
        break;
    }
    return DefSubclassProc(box, message, wParam, lParam);
}

void MainWindow::RunCheck(int index, int button, float x, float y) {
    const int shift = ShiftState();
    switch (index) {
    case 0:
        frm_->Check1_MouseUp(button, shift, x, y);
        break;
    case 1:
        frm_->Check2_MouseUp(button, shift, x, y);
        break;
    case 2:
        frm_->Check3_MouseUp(button, shift, x, y);
        break;
    case 3:
        frm_->Check4_MouseUp(button, shift, x, y);
        break;
    }
}

void MainWindow::OnCommand(int id, int code) {
    if (id >= kCombo1 && id < kCombo1 + 9 && code == CBN_SELCHANGE) {
        WinComboBox& combo = combos_[id - kCombo1];
        combo.TakeChosenEntry();
        switch (id - kCombo1) {
        case 0:
            frm_->Combo1_Click();
            break;
        case 1:
            frm_->Combo2_Click();
            break;
        case 2:
            frm_->Combo3_Click();
            break;
        case 3:
            frm_->Combo4_Click();
            break;
        case 4:
            frm_->Combo5_Click();
            break;
        case 5:
            frm_->Combo6_Click();
            break;
        case 6:
            frm_->Combo7_Click();
            break;
        case 7:
            frm_->Combo8_Click();
            break;
        case 8:
            frm_->Combo9_Click();
            break;
        }
        return;
    }
    if (id >= kCheck1 && id < kCheck1 + 4 && code == BN_CLICKED && !releasingCheck_) {
        // Toggled from the keyboard (the space bar): the option follows the
        // box as it does for a left-button release inside it.
        RunCheck(id - kCheck1, 1, 0, 0);
    } else if (id >= kButton1 && id < kButton1 + 3 && code == BN_CLICKED) {
        buttons_[id - kButton1].PressEnter(); // the dialog manager's Enter
    }
}

void MainWindow::OnMouse(UINT message, WPARAM wParam, LPARAM lParam) {
    const float x = static_cast<float>(PixelsToTwips(XOfMouse(lParam)));
    const float y = static_cast<float>(PixelsToTwips(YOfMouse(lParam)));
    // The caption strip runs from its left edge to the caption images.
    const TwipsRect& bar = D::kIMBar.rect;
    const RECT strip{bar.left, bar.top, bar.left + captionStripWidth_, bar.Bottom()};
    const bool onStrip = x >= strip.left && x < strip.right && y >= strip.top && y < strip.bottom;
    const int shift = ShiftState();
    if (message == WM_MOUSEMOVE) {
        const int held = (wParam & MK_LBUTTON ? 1 : 0) | (wParam & MK_RBUTTON ? 2 : 0) |
                         (wParam & MK_MBUTTON ? 4 : 0);
        if (onStrip)
            frm_->IMBar_MouseMove(held, shift, x - strip.left, y);
        else
            frm_->Form_MouseMove(held, shift, x, y);
        // The icon's mouse messages arrive as moves whose X is the message
        // (its record asks for WM_MOUSEMOVE callbacks); the window is far
        // narrower than 514 pixels, so a real move is never the left
        // button's release over the icon.
        if (XOfMouse(lParam) == WM_LBUTTONUP)
            frm_->NotifyIcon_Click();
    } else if (onStrip) {
        frm_->IMBar_MouseDown(MouseButtonOf(message), shift, x - strip.left, y);
    } else {
        frm_->Form_MouseDown(MouseButtonOf(message), shift, x, y);
    }
}

LRESULT MainWindow::OnControlColour(HDC dc, HWND control) {
    HWND owner = GetParent(control) == window_ ? control : GetParent(control);
    const int id = GetDlgCtrlID(owner);
    SetBkColor(dc, RGB(255, 255, 255));
    SetTextColor(dc, RGB(0, 0, 0));
    if (id == kLabel1)
        SetTextColor(dc, Colour(D::kTargetLabelColour));
    else if (id == kLabel2 || id == kLabel3)
        SetTextColor(dc, Colour(D::kLinkColour));
    else if (id == kCheck1 + 3 || (id >= kCombo1 + 6 && id < kCombo1 + 9))
        SetTextColor(dc, Colour(D::kDefaultTimeColour));
    else if (id == kLbBR) {
        // Over the skin's bottom bar: white text, no background of its own.
        SetTextColor(dc, creditColour_);
        SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    }
    return reinterpret_cast<LRESULT>(white_);
}

bool MainWindow::OnSetCursor(HWND under) {
    const int id = GetDlgCtrlID(under);
    if (GetParent(under) != window_ || !hand_.Get())
        return false;
    if (id == kLabel2 || id == kLabel3 || id == kLbBR || id == kImmin || id == kImclose) {
        SetCursor(hand_.Get());
        return true;
    }
    return false;
}

void MainWindow::BeginSystemMove() {
    ReleaseCapture();
    SendMessageW(window_, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

void MainWindow::PaintBackground(HDC dc, const RECT& area) {
    FillRect(dc, &area, white_);
    if (!background_)
        return;
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, background_);
    BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, memory,
           area.left, area.top, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
}

void MainWindow::PlaceCredit(int left, int top, Rgb foreColour) {
    creditColour_ = foreColour;
    SetWindowPos(GetDlgItem(window_, kLbBR), nullptr, TwipsToPixels(left), TwipsToPixels(top), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::SetCaptionStripWidth(int width) {
    captionStripWidth_ = width;
}

void MainWindow::PlaceMinimise(int left, int top) {
    SetWindowPos(minWindow_.Handle(), nullptr, TwipsToPixels(left), TwipsToPixels(top), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::PlaceClose(int left, int top) {
    SetWindowPos(closeWindow_.Handle(), nullptr, TwipsToPixels(left), TwipsToPixels(top), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::SetBackground(Bitmap background) {
    HBITMAP dib = CreateDibSection(background);
    if (!dib)
        return;
    if (background_)
        DeleteObject(background_);
    background_ = dib;
    backgroundSize_ = {background.Width(), background.Height()};
    // Everything drawn over the background shows it anew.
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void MainWindow::SetRegion(const Region& region) {
    HRGN handle = CreateGdiRegion(region);
    if (handle && !SetWindowRgn(window_, handle, TRUE))
        DeleteObject(handle); // the window owns it only when it took it
}

void MainWindow::MoveTo(int left, int top) {
    SetWindowPos(window_, nullptr, TwipsToPixels(left), TwipsToPixels(top), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::SetCaption(const std::string& text) {
    caption_ = text;
    SetWindowTextW(window_, Widen(text).c_str());
}

void MainWindow::Show() {
    // Showing a window that is already on screen is no resize: a window the
    // user dragged stays where it is. One that appears is placed, shaped and
    // painted before it is seen.
    const bool appearing = !IsWindowVisible(window_) || IsIconic(window_);
    if (appearing && !IsIconic(window_))
        frm_->Form_Resize();
    ShowWindow(window_, IsIconic(window_) ? SW_RESTORE : SW_SHOW);
    SetForegroundWindow(window_);
    if (appearing && !IsChild(window_, GetFocus()))
        FocusFirstControl();
}

void MainWindow::Restore() {
    ShowWindow(window_, SW_RESTORE);
    SetForegroundWindow(window_);
}

void MainWindow::FocusFirstControl() {
    SetFocus(GetNextDlgTabItem(window_, nullptr, FALSE));
}

void MainWindow::Hide() {
    ShowWindow(window_, SW_HIDE);
}

bool MainWindow::Visible() const {
    return IsWindowVisible(window_) != FALSE;
}

void MainWindow::SetWindowState(WindowState state) {
    if (state == WindowState::Minimised)
        ShowWindow(window_, SW_MINIMIZE);
    else if (IsIconic(window_))
        ShowWindow(window_, SW_RESTORE);
}

void MainWindow::SetSize(int widthTwips, int heightTwips) {
    SetWindowPos(window_, nullptr, 0, 0, TwipsToPixels(widthTwips), TwipsToPixels(heightTwips),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int MainWindow::Width() const {
    return IsIconic(window_) ? 0 : WidthTwips(window_);
}

int MainWindow::Height() const {
    return IsIconic(window_) ? 0 : HeightTwips(window_);
}

void MainWindow::Unload() {
    frm_->Form_QueryUnload();
    services_.exit.End();
}

} // namespace tarvenel::win32
