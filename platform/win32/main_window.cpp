#include "platform/win32/main_window.h"

#include <commctrl.h>
#include <uxtheme.h>

#include <algorithm>
#include <vector>

#include "platform/win32/command_channel.h"
#include "platform/win32/gdi_bridge.h"
#include "platform/win32/main_window_ids.h"
#include "platform/win32/wide.h"
#include "scheduler/frm_main_accessible.h"

namespace tarvenel::win32 {
namespace {

constexpr const wchar_t* kClassName = MainWindow::kClassName;
namespace D = frm_main_design;

RECT Pixels(const ControlDesign& d) {
    return {TwipsToPixels(d.rect.left), TwipsToPixels(d.rect.top), TwipsToPixels(d.rect.Right()),
            TwipsToPixels(d.rect.Bottom())};
}

// The buttons draw with the system's colours of the user's theme.
void LoadSystemColours() {
    for (int index = 0; index <= COLOR_MENUBAR; ++index)
        SystemColours::Instance().Set(index, GetSysColor(index));
}

} // namespace

MainWindow::MainWindow(HINSTANCE instance, SystemServices services)
    : instance_(instance), services_(std::move(services)) {}

MainWindow::~MainWindow() {
    Discard();
    for (HGDIOBJ object : {static_cast<HGDIOBJ>(font_), static_cast<HGDIOBJ>(white_),
                           static_cast<HGDIOBJ>(background_)})
        if (object)
            DeleteObject(object);
}

void MainWindow::Register(HINSTANCE instance) {
    RegisterWindowClass(instance, kClassName, Proc);
}

bool MainWindow::Create() {
    LoadSystemColours();
    icon16_ = ArtworkIcon(Artwork::Icon16);
    icon32_ = ArtworkIcon(Artwork::Icon32);
    tick_ = ArtworkIcon(Artwork::Tick);
    hand_ = ArtworkCursor(Artwork::HandCursor, kHandCursorHotSpotX, kHandCursorHotSpotY);
    faces_ = {ArtworkIcon(Artwork::MinHover), ArtworkIcon(Artwork::MinPressed),
              ArtworkIcon(Artwork::CloseHover), ArtworkIcon(Artwork::ClosePressed)};
    font_ = CreateFontFor(FontSpec{});
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

    auto& c = combos_;
    frm_ =
        std::make_unique<FrmMain>(FrmMainControls{*this,
                                                  labels_[0],
                                                  labels_[1],
                                                  labels_[4],
                                                  c[0],
                                                  c[1],
                                                  c[2],
                                                  c[3],
                                                  c[4],
                                                  c[5],
                                                  c[6],
                                                  c[7],
                                                  c[8],
                                                  checks_[0],
                                                  checks_[1],
                                                  checks_[2],
                                                  checks_[3],
                                                  buttons_[0].View(),
                                                  buttons_[1].View(),
                                                  buttons_[2].View(),
                                                  image1_,
                                                  *captionImages_[0],
                                                  *captionImages_[1],
                                                  timer1_,
                                                  timer2_},
                                  FrmMainServices{services_, {*notifyIcon_, *this, *this, text_}});
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
    designs_[child] = &d;
    return child;
}

HWND MainWindow::Child(const std::string& name) const {
    const auto found = named_.find(name);
    return found == named_.end() ? nullptr : found->second;
}

const ControlDesign* MainWindow::DesignOf(HWND control) const {
    const auto found = designs_.find(control);
    return found == designs_.end() ? nullptr : found->second;
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
    for (int i = 0; i < 5; ++i)
        CreateLabel(i);

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
    CreateImages();
}

void MainWindow::CreateLabel(int i) {
    const ControlDesign& d = D::kLabels[static_cast<std::size_t>(i)];
    HWND label = CreateChild(L"STATIC", WS_VISIBLE | SS_NOTIFY | SS_NOPREFIX | SS_LEFTNOWORDWRAP,
                             kLabel1st + i, d);
    labels_[static_cast<std::size_t>(i)].Attach(label, d.width);
    if (i >= D::kFirstLink) {
        const int link = i - D::kFirstLink;
        auto& accessibility = links_[static_cast<std::size_t>(link)];
        accessibility = std::make_unique<WindowAccessibility>(
            [this, i] {
                const auto index = static_cast<std::size_t>(i);
                return DescribeMainWindowLabel(index, labels_[index].Caption());
            },
            [this, link] { frm_->LinkClick(link); });
        accessibility->Attach(label);
    }
    SetWindowSubclass(label, ControlProc, static_cast<UINT_PTR>(kLabel1st + i),
                      reinterpret_cast<DWORD_PTR>(this));
}

void MainWindow::CreateCombo(int i) {
    ControlDesign d = D::kCombos[static_cast<std::size_t>(i)];
    d.rect.height = 3000; // the dropped-down list's room
    HWND combo = CreateChild(L"COMBOBOX", WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN,
                             kCombo1 + i, d);
    designs_[combo] = &D::kCombos[static_cast<std::size_t>(i)];
    // Classic, like the option boxes beside them ("" would leave Wine's
    // themes on; " " names no theme class anywhere).
    SetWindowTheme(combo, L" ", L" ");
    combos_[static_cast<std::size_t>(i)].Attach(combo);
    // The mouse is over the text field most of the time: it shows the tip too.
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    if (GetComboBoxInfo(combo, &info) && info.hwndItem) {
        AddToolTip(info.hwndItem, d.toolTip);
        caretRest_.Watch(info.hwndItem);
    }
}

void MainWindow::CreateButton(int i) {
    static const auto stored = MainWindowButtons();
    const auto n = static_cast<std::size_t>(i);
    HWND button = buttons_[n].Create(window_, kButton1 + i, Pixels(D::kButtons[n]),
                                     buttonContainer_, stored[n], text_);
    named_[D::kButtons[n].name] = button;
    AddToolTip(button, stored[n].toolTip.c_str());
    buttons_[n].Model().events.Click = [this, i] { frm_->ButtonClick(i); };
}

void MainWindow::CreateCheck(int i) {
    HWND box = CreateChild(L"BUTTON", WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, kCheck1 + i,
                           D::kChecks[static_cast<std::size_t>(i)]);
    // Plain boxes honour the form's text colours.
    SetWindowTheme(box, L" ", L" ");
    SetWindowSubclass(box, ControlProc, static_cast<UINT_PTR>(kCheck1 + i),
                      reinterpret_cast<DWORD_PTR>(this));
    checks_[static_cast<std::size_t>(i)].Attach(box);
}

void MainWindow::CreateImages() {
    tickWindow_.Create(window_, kImage1, Pixels(D::kImage1), false);
    tickWindow_.SetFace(tick_.Get());
    tickWindow_.onMouseDown = [this](const MouseEvent& e) {
        frm_->Image1_MouseDown(e.button, e.shift, e.x, e.y);
    };
    tickWindow_.Describe(DescribeArmedTick);
    image1_.Attach(tickWindow_.Handle());
    named_[D::kImage1.name] = tickWindow_.Handle();

    using Action = FrmMain::MouseAction;
    for (int i = 0; i < 2; ++i) {
        const ControlDesign& d = D::kCaptionImages[static_cast<std::size_t>(i)];
        ImageWindow& image = images_[static_cast<std::size_t>(i)];
        image.Create(window_, kImmin + i, Pixels(d), true);
        image.paintBackground = [this](HDC dc, const RECT& area) { PaintBackground(dc, area); };
        image.onMouseMove = [this, i](const MouseEvent&) {
            frm_->CaptionImageMouse(i, Action::Move);
        };
        image.onMouseDown = [this, i](const MouseEvent&) {
            frm_->CaptionImageMouse(i, Action::Down);
        };
        image.onMouseUp = [this, i](const MouseEvent&) { frm_->CaptionImageMouse(i, Action::Up); };
        image.onClick = [this, i] { frm_->CaptionImageClick(i); };
        image.Describe([i] { return DescribeCaptionImage(static_cast<std::size_t>(i)); },
                       [this, i] { frm_->CaptionImagePress(i); });
        AddToolTip(image.Handle(), d.toolTip);
        named_[d.name] = image.Handle();
        designs_[image.Handle()] = &d;
        captionImages_[static_cast<std::size_t>(i)] =
            std::make_unique<CaptionImage>(image, faces_[static_cast<std::size_t>(2 * i)].Get(),
                                           faces_[static_cast<std::size_t>(2 * i + 1)].Get());
    }
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
        if (wParam == timer1_.Id() && timer1_.Enabled()) {
            timer1_.Ticked();
            frm_->ClockTick();
        } else if (wParam == timer2_.Id() && timer2_.Enabled())
            frm_->RestoreAfterCancel();
        return 0;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        OnMouse(message, wParam, lParam);
        return 0;
    case WM_SETCURSOR: {
        const ControlDesign* d = DesignOf(reinterpret_cast<HWND>(wParam));
        if (d && d->handCursor && hand_.Get()) {
            SetCursor(hand_.Get());
            return TRUE;
        }
        break;
    }
    case WM_SIZE:
        // A restore from the minimised state runs the resize handler; the
        // first showing runs it before the window appears.
        if (wParam == SIZE_RESTORED && IsWindowVisible(window_))
            frm_->Form_Resize();
        return 0;
    case WM_CLOSE:
        Unload();
        return 0;
    case WM_COPYDATA:
        return AnswerCopyData(*frm_, window_, reinterpret_cast<HWND>(wParam),
                              reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    case WM_SYSCOLORCHANGE:
        // Only top-level windows hear of a new theme; the buttons are told.
        LoadSystemColours();
        for (ButtonWindow& button : buttons_)
            button.Model().OnSystemColoursChanged();
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

LRESULT MainWindow::OnControlColour(HDC dc, HWND control) {
    // A combo box's text field and list belong to the combo box.
    const ControlDesign* d = DesignOf(control);
    if (!d)
        d = DesignOf(GetParent(control));
    SetBkColor(dc, RGB(255, 255, 255));
    SetTextColor(dc, d ? static_cast<COLORREF>(d->textColour) : RGB(0, 0, 0));
    if (d == &D::kLbBR) {
        // Over the skin's bottom bar: no background of its own.
        SetTextColor(dc, creditColour_);
        SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    }
    return reinterpret_cast<LRESULT>(white_);
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

void MainWindow::Place(HWND window, int leftTwips, int topTwips) {
    SetWindowPos(window, nullptr, TwipsToPixels(leftTwips), TwipsToPixels(topTwips), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::PlaceCredit(int left, int top, Rgb foreColour) {
    creditColour_ = foreColour;
    Place(Child(D::kLbBR.name), left, top);
}

void MainWindow::SetBackground(Bitmap background) {
    HBITMAP dib = CreateDibSection(background);
    if (!dib)
        return;
    if (background_)
        DeleteObject(background_);
    background_ = dib;
    // Everything drawn over the background shows it anew.
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void MainWindow::SetRegion(const Region& region) {
    HRGN handle = CreateGdiRegion(region);
    if (handle && !SetWindowRgn(window_, handle, TRUE))
        DeleteObject(handle); // the window owns it only when it took it
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
        SetFocus(GetNextDlgTabItem(window_, nullptr, FALSE)); // the first in tab order
}

void MainWindow::Restore() {
    ShowWindow(window_, SW_RESTORE);
    SetForegroundWindow(window_);
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

void MainWindow::Unload() {
    frm_->Form_QueryUnload();
    services_.exit.End();
}

} // namespace tarvenel::win32
