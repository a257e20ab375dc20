#include "platform/win32/native_form.h"

#include <commctrl.h>
#include <uxtheme.h>

#include "platform/win32/gdi_bridge.h"
#include "platform/win32/gdi_text_renderer.h"
#include "platform/win32/native_form_parts.h"
#include "platform/win32/wide.h"
#include "power/frm_end.h"

namespace tarvenel::win32 {

using namespace form_parts;

namespace {

RECT Pixels(const TwipsRect& r) {
    return {TwipsToPixels(r.left), TwipsToPixels(r.top), TwipsToPixels(r.Right()),
            TwipsToPixels(r.Bottom())};
}

} // namespace

void WinForm::Register(HINSTANCE instance) {
    RegisterWindowClass(instance, kMainClass, Proc);
    RegisterWindowClass(instance, kDialogClass, Proc, 0,
                        reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    RegisterWindowClass(instance, kDrawnClass, DrawnProc, CS_DBLCLKS);
}

WinForm::WinForm(HINSTANCE instance, Frame frame, HWND owner)
    : instance_(instance), frame_(frame), owner_(owner) {}

WinForm::~WinForm() {
    closed_ = true;
    Wake();
    if (window_ && IsWindow(window_))
        DestroyWindow(window_);
    controls_.clear();
    for (auto& [spec, font] : fonts_)
        DeleteObject(font);
    for (auto& [colour, brush] : brushes_)
        DeleteObject(brush);
    if (background_)
        DeleteObject(background_);
}

bool WinForm::Create() {
    LoadSystemColours();
    hand_ = ArtworkCursor(Artwork::HandCursor, kHandCursorHotSpotX, kHandCursorHotSpotY);
    if (frame_ == Frame::Skinned) {
        smallIcon_ = ArtworkIcon(Artwork::Icon16);
        bigIcon_ = ArtworkIcon(Artwork::Icon32);
        // No frame and no system caption: the skin draws both.
        window_ = CreateWindowExW(WS_EX_APPWINDOW, kMainClass, L"",
                                  WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPSIBLINGS, 0, 0, 0,
                                  0, nullptr, nullptr, instance_, this);
    } else {
        smallIcon_ = ArtworkIcon(Artwork::CountdownIcon16);
        // Made in the centre of the screen at the size it gives itself when
        // it loads, so that showing it on top never flashes it elsewhere.
        const int width = TwipsToPixels(kEndWidthTwips);
        const int height = TwipsToPixels(kEndHeightTwips);
        window_ = CreateWindowExW(WS_EX_DLGMODALFRAME, kDialogClass, L"",
                                  WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
                                  (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                                  (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height,
                                  owner_, nullptr, instance_, this);
    }
    if (!window_)
        return false;
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.Get()));
    if (bigIcon_.Get())
        SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.Get()));
    return true;
}

WinForm::Control* WinForm::At(int control) const {
    const auto found = controls_.find(control);
    return found == controls_.end() ? nullptr : found->second.get();
}

WinForm::Control* WinForm::Of(HWND window) const {
    // A list's text field and dropped list belong to the list.
    for (; window && window != window_; window = GetParent(window))
        for (const auto& [id, c] : controls_)
            if (c->window == window)
                return c.get();
    return nullptr;
}

HWND WinForm::Child(const std::string& name) const {
    for (const auto& [id, c] : controls_)
        if (c->spec.name == name)
            return c->window;
    return nullptr;
}

HFONT WinForm::FontOf(const FontSpec& spec) {
    const std::string key =
        spec.name + "/" + std::to_string(spec.sizePoints) + "/" + std::to_string(spec.weight);
    HFONT& font = fonts_[key];
    if (!font)
        font = CreateFontFor(spec);
    return font;
}

HBRUSH WinForm::BrushOf(Rgb colour) {
    HBRUSH& brush = brushes_[colour];
    if (!brush)
        brush = CreateSolidBrush(colour);
    return brush;
}

bool WinForm::Send(const FormEvent& event) {
    return sink_ && !closed_ && sink_->OnEvent(event);
}

void WinForm::Make(int control, const ControlSpec& spec) {
    auto c = std::make_unique<Control>();
    c->id = control;
    c->spec = spec;
    const wchar_t* className = L"STATIC";
    DWORD style = WS_CHILD | (spec.visible ? WS_VISIBLE : 0) | (spec.tabStop ? WS_TABSTOP : 0);
    RECT r = Pixels(spec.place);
    switch (spec.kind) {
    case ControlKind::Label:
        style |= SS_NOTIFY | SS_NOPREFIX | (spec.centred ? SS_CENTER : SS_LEFTNOWORDWRAP);
        break;
    case ControlKind::List:
        className = L"COMBOBOX";
        style |= WS_VSCROLL | CBS_DROPDOWN;
        r.bottom = r.top + TwipsToPixels(3000); // room for the dropped list
        break;
    case ControlKind::CheckBox:
        className = L"BUTTON";
        style |= BS_AUTOCHECKBOX;
        break;
    case ControlKind::Button:
        className = L"BUTTON";
        style |= spec.graphical ? BS_OWNERDRAW : 0;
        break;
    case ControlKind::Drawn:
        className = kDrawnClass;
        break;
    }
    c->window = CreateWindowExW(0, className, Widen(spec.text).c_str(), style, r.left, r.top,
                                r.right - r.left, r.bottom - r.top, window_,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstId + control)),
                                instance_, c.get());
    SendMessageW(c->window, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(spec.font)), FALSE);
    // Classic lists and boxes, like the drawn controls beside them ("" would
    // leave Wine's themes on; " " names no theme class anywhere).
    if (spec.kind == ControlKind::List || spec.kind == ControlKind::CheckBox)
        SetWindowTheme(c->window, L" ", L" ");
    if (spec.kind == ControlKind::List) {
        COMBOBOXINFO info{};
        info.cbSize = sizeof(info);
        if (GetComboBoxInfo(c->window, &info))
            c->edit = info.hwndItem;
    }
    if (spec.kind == ControlKind::Label || spec.kind == ControlKind::Drawn) {
        c->access = std::make_unique<WindowAccessibility>(
            [this, control] { return sink_->Describe(control); },
            [this, control] {
                Send({control, FormEventKind::Press});
            });
        c->access->Attach(c->window);
    }
    // Made with the first tip: an owned topmost window would keep the
    // countdown dialog, which has none, from going on top of everything.
    if (!spec.toolTip.empty() && !toolTip_) {
        toolTip_ =
            CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0,
                            0, 0, window_, nullptr, instance_, nullptr);
        SendMessageW(toolTip_, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(FontSpec{})), FALSE);
    }
    for (HWND tipped : {c->window, c->edit}) {
        if (!tipped || spec.toolTip.empty())
            continue;
        // The mouse is over a list's text field most of the time: it shows
        // the tip too.
        const std::wstring tip = Widen(spec.toolTip);
        TTTOOLINFOW info{};
        info.cbSize = sizeof(info);
        info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        info.hwnd = window_;
        info.uId = reinterpret_cast<UINT_PTR>(tipped);
        info.lpszText = const_cast<wchar_t*>(tip.c_str());
        SendMessageW(toolTip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    }
    if (spec.kind != ControlKind::Drawn && spec.kind != ControlKind::Button)
        SetWindowSubclass(c->edit ? c->edit : c->window, ChildProc, kSubclass,
                          reinterpret_cast<DWORD_PTR>(this));
    controls_[control] = std::move(c);
}

// --- Any control, and the window

std::string WinForm::Text(int control) const {
    const Control* c = At(control);
    return Narrow(WindowText(c ? c->window : window_));
}

void WinForm::SetText(int control, const std::string& text) {
    const Control* c = At(control);
    HWND window = c ? c->window : window_;
    // A drawn control's text carries the caption: the dialog manager finds
    // its "&" access key there, and screen readers read it.
    if (Narrow(WindowText(window)) != text)
        SetWindowTextW(window, Widen(text).c_str());
}

bool WinForm::Enabled(int control) const {
    const Control* c = At(control);
    return IsWindowEnabled(c ? c->window : window_) != FALSE;
}

void WinForm::SetEnabled(int control, bool enabled) {
    if (const Control* c = At(control))
        EnableWindow(c->window, enabled);
}

bool WinForm::Visible(int control) const {
    const Control* c = At(control);
    return IsWindowVisible(c ? c->window : window_) != FALSE;
}

void WinForm::SetVisible(int control, bool visible) {
    if (const Control* c = At(control)) {
        ShowWindow(c->window, visible ? SW_SHOWNA : SW_HIDE);
        return;
    }
    if (!visible) {
        ShowWindow(window_, SW_HIDE);
        return;
    }
    ShowWindow(window_, IsIconic(window_) ? SW_RESTORE : SW_SHOW);
    SetForegroundWindow(window_);
}

bool WinForm::Focused(int control) const {
    const Control* c = At(control);
    HWND focus = GetFocus();
    return c ? focus == c->window || (c->edit && focus == c->edit) : IsChild(window_, focus);
}

void WinForm::Focus(int control) {
    const Control* c = At(control);
    SetFocus(c ? c->window : window_);
}

TwipsRect WinForm::Place(int control) const {
    const Control* c = At(control);
    RECT r{};
    GetWindowRect(c ? c->window : window_, &r);
    if (c)
        MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&r), 2);
    return {PixelsToTwips(static_cast<int>(r.left)), PixelsToTwips(static_cast<int>(r.top)),
            PixelsToTwips(static_cast<int>(r.right - r.left)),
            PixelsToTwips(static_cast<int>(r.bottom - r.top))};
}

void WinForm::SetPlace(int control, const TwipsRect& place) {
    const Control* c = At(control);
    const RECT r = Pixels(place);
    SetWindowPos(c ? c->window : window_, nullptr, r.left, r.top, r.right - r.left,
                 r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

int WinForm::TextWidth(int control, const std::string& text) const {
    const Control* c = At(control);
    HWND window = c ? c->window : window_;
    HDC dc = GetDC(window);
    const HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(window, WM_GETFONT, 0, 0)));
    const std::wstring wide = Widen(text);
    SIZE size{};
    GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    return PixelsToTwips(static_cast<int>(size.cx));
}

void WinForm::AnnounceChange(int control, AccessibleChange change) {
    if (const Control* c = At(control); c && c->access)
        c->access->Announce(change);
}

// --- Lists

void WinForm::ClearEntries(int control) {
    const std::string text = Text(control);
    SendMessageW(At(control)->window, CB_RESETCONTENT, 0, 0);
    SetWindowTextW(At(control)->window, Widen(text).c_str());
}

void WinForm::AddEntries(int control, const std::vector<std::string>& texts) {
    for (const std::string& text : texts)
        SendMessageW(At(control)->window, CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(Widen(text).c_str()));
}

void WinForm::RemoveEntry(int control, int index) {
    const std::string text = Text(control);
    SendMessageW(At(control)->window, CB_DELETESTRING, static_cast<WPARAM>(index), 0);
    SetWindowTextW(At(control)->window, Widen(text).c_str());
}

int WinForm::EntryCount(int control) const {
    return static_cast<int>(SendMessageW(At(control)->window, CB_GETCOUNT, 0, 0));
}

std::string WinForm::Entry(int control, int index) const {
    HWND list = At(control)->window;
    const LRESULT length = SendMessageW(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR)
        return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(list, CB_GETLBTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return Narrow(text);
}

// --- Check boxes

bool WinForm::Checked(int control) const {
    return SendMessageW(At(control)->window, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void WinForm::SetChecked(int control, bool checked) {
    SendMessageW(At(control)->window, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

// --- Drawn controls

void WinForm::ShowFace(int control, const Bitmap& face) {
    Control* c = At(control);
    if (!c) {
        HBITMAP dib = CreateDibSection(face);
        if (!dib)
            return;
        if (background_)
            DeleteObject(background_);
        background_ = dib;
        // Everything drawn over the background shows it anew.
        RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        return;
    }
    c->face = face;
    // Shown now: some looks last for this one showing only.
    if (!c->painting) {
        HDC dc = GetDC(c->window);
        PaintFace(*c, dc);
        ReleaseDC(c->window, dc);
    }
}

void WinForm::PaintFace(Control& c, HDC dc) {
    if (!c.face.Empty())
        DrawBitmap(dc, 0, 0, c.face);
}

void WinForm::SetOutline(int control, const Region& outline) {
    const Control* c = At(control);
    HWND window = c ? c->window : window_;
    HRGN handle = CreateGdiRegion(outline);
    if (handle && !SetWindowRgn(window, handle, TRUE))
        DeleteObject(handle); // the window owns it only when it took it
}

void WinForm::Capture(int control, bool on) {
    const Control* c = At(control);
    if (!c)
        return;
    if (on)
        SetCapture(c->window);
    else if (GetCapture() == c->window)
        ReleaseCapture();
}

bool WinForm::CursorOver(int control) const {
    // The window under the cursor skips disabled windows and lies within
    // the window's region.
    POINT cursor{};
    GetCursorPos(&cursor);
    const Control* c = At(control);
    return c && WindowFromPoint(cursor) == c->window;
}

void WinForm::CursorAt(int control, float& x, float& y) const {
    POINT cursor{};
    GetCursorPos(&cursor);
    const Control* c = At(control);
    ScreenToClient(c ? c->window : window_, &cursor);
    x = static_cast<float>(cursor.x);
    y = static_cast<float>(cursor.y);
}

void WinForm::SetAccessKey(int, char) {
    // The dialog manager finds the "&" letter in the control's text.
}

// --- Timers

void WinForm::StartTimer(int timer, int ms) {
    SetTimer(window_, kTimer0 + static_cast<UINT_PTR>(timer), static_cast<UINT>(ms), nullptr);
}

void WinForm::StopTimer(int timer) {
    KillTimer(window_, kTimer0 + static_cast<UINT_PTR>(timer));
}

long long WinForm::NowMs() const {
    FILETIME now; // 100-nanosecond units
    GetSystemTimeAsFileTime(&now);
    return static_cast<long long>(
        ((static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime) / 10000);
}

// --- The window

WindowState WinForm::State() const {
    return IsIconic(window_) ? WindowState::Minimised : WindowState::Normal;
}

void WinForm::SetState(WindowState state) {
    if (state == WindowState::Minimised) {
        ShowWindow(window_, SW_MINIMIZE);
        return;
    }
    ShowWindow(window_, IsIconic(window_) ? SW_RESTORE : SW_SHOW);
    SetForegroundWindow(window_);
}

void WinForm::BeginSystemMove() {
    ReleaseCapture();
    SendMessageW(window_, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

void WinForm::SetAlwaysOnTop(bool onTop) {
    SetWindowPos(window_, onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW);
}

void WinForm::Close() {
    if (closed_)
        return;
    closed_ = true;
    Wake();
    if (window_ && IsWindow(window_))
        DestroyWindow(window_);
}

} // namespace tarvenel::win32
