#include "platform/win32/window_accessibility.h"

#include <oleacc.h>

#include "platform/win32/wide.h"

namespace tarvenel::win32 {
namespace {

// Private to the program's own window classes.
constexpr UINT kPressMessage = WM_APP + 0x3A1;

bool IsSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

HRESULT Text(const std::string& text, BSTR* out) {
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (text.empty())
        return S_FALSE;
    *out = SysAllocString(Widen(text).c_str());
    return *out ? S_OK : E_OUTOFMEMORY;
}

HRESULT Number(long value, VARIANT* out) {
    if (!out)
        return E_POINTER;
    VariantInit(out);
    out->vt = VT_I4;
    out->lVal = value;
    return S_OK;
}

long RoleOf(AccessibleRole role) {
    switch (role) {
    case AccessibleRole::PushButton:
        return ROLE_SYSTEM_PUSHBUTTON;
    case AccessibleRole::CheckBox:
        return ROLE_SYSTEM_CHECKBUTTON;
    case AccessibleRole::RadioButton:
        return ROLE_SYSTEM_RADIOBUTTON;
    case AccessibleRole::Link:
        return ROLE_SYSTEM_LINK;
    case AccessibleRole::Image:
        return ROLE_SYSTEM_GRAPHIC;
    case AccessibleRole::Label:
        break;
    }
    return ROLE_SYSTEM_STATICTEXT;
}

long StateOf(const AccessibleState& s, HWND window) {
    long state = 0;
    if (!s.enabled)
        state |= STATE_SYSTEM_UNAVAILABLE;
    if (s.focusable)
        state |= STATE_SYSTEM_FOCUSABLE;
    if (s.focused)
        state |= STATE_SYSTEM_FOCUSED;
    if (s.isDefault)
        state |= STATE_SYSTEM_DEFAULT;
    if (s.checked)
        state |= STATE_SYSTEM_CHECKED;
    if (!IsWindowVisible(window))
        state |= STATE_SYSTEM_INVISIBLE;
    return state;
}

} // namespace

// The COM object. It lives as long as anyone holds it; once its window's
// WindowAccessibility is gone it answers that it is disconnected.
class AccessibleClient final : public IAccessible {
public:
    explicit AccessibleClient(const WindowAccessibility& owner) : owner_(&owner) {
        CreateStdAccessibleObject(owner.Window(), OBJID_CLIENT, __uuidof(IAccessible),
                                  reinterpret_cast<void**>(&standard_));
    }
    void Disconnect() {
        owner_ = nullptr;
        if (standard_)
            standard_->Release();
        standard_ = nullptr;
    }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out)
            return E_POINTER;
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) ||
            iid == __uuidof(IAccessible)) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) {
            Disconnect();
            delete this;
        }
        return static_cast<ULONG>(left);
    }

    // IDispatch: screen readers call IAccessible directly.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (!count)
            return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return E_NOTIMPL;
    }

    // IAccessible: what the core describes.
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (const HRESULT ok = Check(child); ok != S_OK)
            return ok;
        return Text(owner_->Describe().name, name);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        if (const HRESULT ok = Check(child); ok != S_OK)
            return ok;
        return Text(owner_->Describe().description, text);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (const HRESULT ok = Check(child); ok != S_OK)
            return ok;
        return Number(RoleOf(owner_->Describe().role), role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        if (const HRESULT ok = Check(child); ok != S_OK)
            return ok;
        return Number(StateOf(owner_->Describe().state, owner_->Window()), state);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        if (const HRESULT ok = Check(child); ok != S_OK)
            return ok;
        if (!owner_->Describe().Pressable())
            return Text({}, action);
        return Text(kPressActionName, action);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        if (const HRESULT ok = Check(child); ok != S_OK)
            return ok;
        if (!owner_->Describe().Pressable())
            return DISP_E_MEMBERNOTFOUND;
        owner_->PostPress();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        if (!count)
            return E_POINTER;
        *count = 0;
        return owner_ ? S_OK : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT, IDispatch** child) override {
        if (child)
            *child = nullptr;
        return E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT, BSTR* value) override {
        if (value)
            *value = nullptr;
        return DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* help) override {
        if (help)
            *help = nullptr;
        return DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, long* topic) override {
        if (file)
            *file = nullptr;
        if (topic)
            *topic = 0;
        return DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

    // IAccessible: what follows from the window, the system's answers (the
    // access key is the window text's "&" letter).
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return standard_ ? standard_->get_accParent(parent) : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* keys) override {
        return standard_ ? standard_->get_accKeyboardShortcut(child, keys) : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
        return standard_ ? standard_->get_accFocus(child) : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return standard_ ? standard_->get_accSelection(children) : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        return standard_ ? standard_->accSelect(flags, child) : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override {
        return standard_ ? standard_->accLocation(left, top, width, height, child)
                         : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        return standard_ ? standard_->accNavigate(direction, start, end) : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override {
        return standard_ ? standard_->accHitTest(x, y, child) : CO_E_OBJNOTCONNECTED;
    }

private:
    ~AccessibleClient() = default;

    // The object describes itself only (it has no children).
    HRESULT Check(const VARIANT& child) const {
        if (!owner_)
            return CO_E_OBJNOTCONNECTED;
        return IsSelf(child) ? S_OK : E_INVALIDARG;
    }

    LONG references_ = 1;
    const WindowAccessibility* owner_;
    IAccessible* standard_ = nullptr;
};

WindowAccessibility::WindowAccessibility(std::function<AccessibleInfo()> describe,
                                         std::function<void()> press)
    : describe_(std::move(describe)), press_(std::move(press)) {}

WindowAccessibility::~WindowAccessibility() {
    if (client_) {
        client_->Disconnect();
        client_->Release();
    }
}

bool WindowAccessibility::Handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == kPressMessage) {
        if (press_)
            press_();
        result = 0;
        return true;
    }
    if (message != WM_GETOBJECT || static_cast<LONG>(lParam) != OBJID_CLIENT)
        return false;
    if (!client_)
        client_ = new AccessibleClient(*this);
    result = LresultFromObject(__uuidof(IAccessible), wParam, client_);
    return true;
}

void WindowAccessibility::Announce(AccessibleChange change) const {
    if (!window_)
        return;
    NotifyWinEvent(change == AccessibleChange::Name ? EVENT_OBJECT_NAMECHANGE
                                                    : EVENT_OBJECT_STATECHANGE,
                   window_, OBJID_CLIENT, CHILDID_SELF);
}

void WindowAccessibility::PostPress() const {
    PostMessageW(window_, kPressMessage, 0, 0);
}

} // namespace tarvenel::win32
