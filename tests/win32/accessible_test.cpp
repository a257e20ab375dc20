// What a screen reader gets through oleacc from the windows the program
// draws itself: the buttons, the caption images, the links and the armed
// tick answer with their role, name, state and default action, the action
// runs what a click runs, and name and state changes are announced.
#include <oleacc.h>

#include <utility>
#include <vector>

#include "win32/main_window_fixture.h"

namespace tarvenel::win32 {
namespace {

using namespace tarvenel::win32::test;

VARIANT Self() {
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    return self;
}

// The object a screen reader gets for a window's client area.
class Accessible {
public:
    explicit Accessible(HWND window) {
        result = AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible),
                                            reinterpret_cast<void**>(&object_));
    }
    ~Accessible() {
        if (object_)
            object_->Release();
    }
    Accessible(const Accessible&) = delete;
    Accessible& operator=(const Accessible&) = delete;

    std::wstring Name() const { return Text(&IAccessible::get_accName); }
    std::wstring Description() const { return Text(&IAccessible::get_accDescription); }
    std::wstring DefaultAction() const { return Text(&IAccessible::get_accDefaultAction); }
    long Role() const { return Number(&IAccessible::get_accRole); }
    long State() const { return Number(&IAccessible::get_accState); }
    HRESULT Press() const { return object_ ? object_->accDoDefaultAction(Self()) : E_POINTER; }

    HRESULT result;

private:
    std::wstring Text(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*)) const {
        BSTR text = nullptr;
        if (!object_ || FAILED((object_->*get)(Self(), &text)) || !text)
            return L"(none)";
        std::wstring copy(text, SysStringLen(text));
        SysFreeString(text);
        return copy;
    }
    long Number(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*)) const {
        VARIANT value;
        VariantInit(&value);
        if (!object_ || FAILED((object_->*get)(Self(), &value)) || value.vt != VT_I4)
            return -1;
        return value.lVal;
    }

    IAccessible* object_ = nullptr;
};

// The name and state changes the windows announce, in order.
std::vector<std::pair<DWORD, HWND>> announced;
void CALLBACK Listen(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD,
                     DWORD) {
    if (object == OBJID_CLIENT && child == CHILDID_SELF)
        announced.emplace_back(event, window);
}

class WinAccessible : public WinMainWindow {
protected:
    void SetUp() override {
        WinMainWindow::SetUp();
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
        hook_ = SetWinEventHook(EVENT_OBJECT_STATECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr, Listen,
                                GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
        announced.clear();
    }
    void TearDown() override {
        UnhookWinEvent(hook_);
        WinMainWindow::TearDown();
        CoUninitialize();
    }
    bool Announced(DWORD event, const char* control) const {
        for (const auto& [e, w] : announced)
            if (e == event && w == Child(control))
                return true;
        return false;
    }

    HWINEVENTHOOK hook_ = nullptr;
};

TEST_F(WinAccessible, EveryDrawnControlTellsItsRoleNameStateAndAction) {
    Load();
    struct Case {
        const char* control;
        long role;
        const wchar_t* name;
        const wchar_t* description;
        long state; // of UNAVAILABLE, FOCUSABLE, FOCUSED, DEFAULT, CHECKED, INVISIBLE
        const wchar_t* action;
    };
    constexpr long kMask = STATE_SYSTEM_UNAVAILABLE | STATE_SYSTEM_FOCUSABLE |
                           STATE_SYSTEM_FOCUSED | STATE_SYSTEM_DEFAULT | STATE_SYSTEM_CHECKED |
                           STATE_SYSTEM_INVISIBLE;
    const std::wstring credit = TextOf(Child("LbBR"));
    for (const Case& c : {
             Case{"XPButton1", ROLE_SYSTEM_PUSHBUTTON, L"确 定", L"确定开始运行定时关机",
                  STATE_SYSTEM_FOCUSABLE, L"按下"},
             Case{"XPButton2", ROLE_SYSTEM_PUSHBUTTON, L"取 消", L"取消定时关机",
                  STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_UNAVAILABLE, L"按下"},
             Case{"XPButton3", ROLE_SYSTEM_PUSHBUTTON, L"重 置", L"重新设置归位至当前时间",
                  STATE_SYSTEM_FOCUSABLE, L"按下"},
             Case{"Immin", ROLE_SYSTEM_PUSHBUTTON, L"最小化", L"最小化", 0, L"按下"},
             Case{"Imclose", ROLE_SYSTEM_PUSHBUTTON, L"关闭", L"关闭", 0, L"按下"},
             Case{"Label2", ROLE_SYSTEM_LINK, L"快速帮助", L"(none)", 0, L"按下"},
             Case{"Label3", ROLE_SYSTEM_LINK, L"官方主页", L"(none)", 0, L"按下"},
             Case{"LbBR", ROLE_SYSTEM_LINK, credit.c_str(), L"(none)", 0, L"按下"},
             Case{"Image1", ROLE_SYSTEM_GRAPHIC, L"定时关机已设定", L"(none)",
                  STATE_SYSTEM_INVISIBLE, L"(none)"},
         }) {
        SCOPED_TRACE(c.control);
        const Accessible object(Child(c.control));
        ASSERT_EQ(object.result, S_OK);
        EXPECT_EQ(object.Role(), c.role);
        EXPECT_EQ(object.Name(), c.name);
        EXPECT_EQ(object.Description(), c.description);
        EXPECT_EQ(object.State() & kMask, c.state);
        EXPECT_EQ(object.DefaultAction(), c.action);
    }
    EXPECT_FALSE(credit.empty());
    EXPECT_EQ(Accessible(Child("Image1")).Press(), DISP_E_MEMBERNOTFOUND);

    // The focused button is the one Enter presses.
    SetFocus(Child("XPButton3"));
    Pump(Main());
    EXPECT_EQ(Accessible(Child("XPButton3")).State() & kMask,
              STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED | STATE_SYSTEM_DEFAULT);
}

TEST_F(WinAccessible, TheDefaultActionRunsWhatAClickRunsAndChangesAreAnnounced) {
    Load();
    settings.Seed("MsgOK", "0");
    SendMessageW(Child("Check2"), BM_SETCHECK, BST_UNCHECKED, 0);
    clock.Set({2026, 12, 7, 8, 59, 0}); // the selectors show 9:00:00, a minute ahead

    // 确 定 arms once the message loop runs (the screen reader is not kept
    // waiting), wherever the mouse is.
    SetCursorPos(0, 0);
    ASSERT_EQ(Accessible(Child("XPButton1")).Press(), S_OK);
    EXPECT_FALSE(window.Frm().State().IsArmed);
    Pump(Main());
    ASSERT_TRUE(window.Frm().State().IsArmed);
    EXPECT_FALSE(IsWindowVisible(Main()));
    EXPECT_EQ(TextOf(Child("Label1")), L"设定关机时间：2026年12月7日9时0分0秒");
    EXPECT_TRUE(Announced(EVENT_OBJECT_STATECHANGE, "XPButton1"));
    EXPECT_TRUE(Announced(EVENT_OBJECT_STATECHANGE, "XPButton2"));
    EXPECT_TRUE(Accessible(Child("XPButton1")).State() & STATE_SYSTEM_UNAVAILABLE);

    // A disabled button's action does nothing; 取 消 disarms.
    Accessible(Child("XPButton1")).Press();
    Pump(Main());
    EXPECT_TRUE(window.Frm().State().IsArmed);
    Accessible(Child("XPButton2")).Press();
    Pump(Main());
    EXPECT_FALSE(window.Frm().State().IsArmed);

    // A link opens what its click opens.
    ShowWindow(Main(), SW_SHOW);
    Accessible(Child("Label2")).Press();
    Pump(Main());
    EXPECT_NE(LastMessage().find("功能简介"), std::string::npos) << LastMessage();
}

TEST(WinButtonAccessible, ACheckBoxButtonReadsItsCheckAndItsNewCaption) {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    announced.clear();
    HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_STATECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr,
                                         Listen, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    IAccessible* kept = nullptr;
    {
        LoneCheckButton lone;
        FormButton& button = *lone.button;
        Pump(lone.parent);
        const Accessible object(lone.Handle());
        EXPECT_EQ(object.Role(), ROLE_SYSTEM_CHECKBUTTON);
        EXPECT_EQ(object.Name(), L"Auto");
        EXPECT_FALSE(object.State() & STATE_SYSTEM_CHECKED);
        object.Press();
        Pump(lone.parent);
        EXPECT_TRUE(button.Model().Value());
        EXPECT_TRUE(object.State() & STATE_SYSTEM_CHECKED);
        button.View().SetCaption("&Manual");
        Pump(lone.parent);
        EXPECT_EQ(object.Name(), L"Manual");
        const std::vector<std::pair<DWORD, HWND>> expected{
            {EVENT_OBJECT_STATECHANGE, lone.Handle()}, {EVENT_OBJECT_NAMECHANGE, lone.Handle()}};
        EXPECT_EQ(announced, expected);
        ASSERT_EQ(AccessibleObjectFromWindow(lone.Handle(), OBJID_CLIENT, __uuidof(IAccessible),
                                             reinterpret_cast<void**>(&kept)),
                  S_OK);
    }
    // A screen reader that holds on to the object after the button is gone
    // gets an error, not a crash.
    BSTR name = nullptr;
    EXPECT_TRUE(FAILED(kept->get_accName(Self(), &name)));
    kept->Release();
    UnhookWinEvent(hook);
    CoUninitialize();
}

} // namespace
} // namespace tarvenel::win32
