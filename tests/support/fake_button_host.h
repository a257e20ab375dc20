#pragma once
// An in-memory window for one XPButton: records what the button asks of its
// host in order, and lets a test say where the cursor is.
#include <optional>
#include <string>
#include <vector>

#include "button/host.h"
#include "button/render_hooks.h"
#include "button/renderer.h"
#include "button/xp_button.h"

namespace tarvenel::test {

// The button's state at the moment a redraw painted it.
struct PaintedState {
    ButtonVisualState state;
    bool value = false;
};

class FakeButtonHost : public ButtonHost, public ButtonRenderHooks {
public:
    explicit FakeButtonHost(ButtonContainer& container, std::string name = "XPButton1")
        : container(container), name(std::move(name)) {}

    ButtonContainer& Container() override { return container; }
    bool DisplayAsDefault() override { return displayAsDefault; }
    std::string Name() override { return name; }
    bool DesignMode() override { return designMode; }
    void MessageBox(const std::string& text, int style, const std::string& caption) override;
    void PropertyChanged(const std::string& key) override { changed.push_back(key); }
    int ScaleWidth() override { return width; }
    int ScaleHeight() override { return height; }
    void SetClientWidth(int pixels) override;
    void SetRegion(const Region& r) override { region = r; }
    void SetSurfaceEnabled(bool enabled) override { surfaceEnabled = enabled; }
    void SetMousePointer(int pointer) override { mousePointer = pointer; }
    std::optional<std::string> SetMouseIcon(const PicturePtr& icon) override;
    void SetAccessKeys(const std::string& key) override { accessKeys = key; }
    void SetFocus() override { calls.push_back("SetFocus"); }
    void SetCapture() override;
    void ReleaseCapture() override;
    void StartTimer(int id, int periodMs) override;
    void StopTimer(int id) override;
    bool IsCursorOverMe() override { return cursorOver; }
    ClientPoint CursorPosition() override { return cursor; }
    void PostKeyDownToContainer(int virtualKey, std::uint32_t keyData) override;
    void Redraw() override;

    void RebuildRegion(XPButton&) override { calls.push_back("Region"); }
    void ReplaceBackBuffer(XPButton&) override { calls.push_back("BackBuffer"); }
    void Layout(XPButton&) override { calls.push_back("Layout"); }
    void RebuildFont(XPButton&) override { calls.push_back("Font"); }

    int Redraws() const { return static_cast<int>(painted.size()); }
    void ClearRecords();

    // Set after the button is made, so that redraws can record its state.
    XPButton* button = nullptr;
    // When set, every redraw paints through it and keeps what it showed.
    ButtonRenderer* renderer = nullptr;
    Bitmap shown;

    ButtonContainer& container;
    std::string name;
    bool displayAsDefault = false;
    bool designMode = false;
    int width = 75;
    int height = 25;
    bool cursorOver = false;
    ClientPoint cursor;
    bool refuseMouseIcon = false;

    std::optional<Region> region; // the window region last set
    bool surfaceEnabled = true;
    int mousePointer = 0;
    PicturePtr mouseIcon;
    std::string accessKeys;
    bool captured = false;
    std::optional<int> runningTimer;
    int timerPeriodMs = 0;

    struct Message {
        std::string text;
        int style;
        std::string caption;
    };
    struct PostedKey {
        int virtualKey;
        std::uint32_t keyData;
    };
    std::vector<Message> messages;
    std::vector<std::string> changed; // reported property keys
    std::vector<PostedKey> postedKeys;
    std::vector<PaintedState> painted;
    // Host and hook calls in order: "Redraw", "Region", "Layout", "Capture",
    // "StartTimer 237", ...
    std::vector<std::string> calls;
};

// Records the button's events as text, e.g. "MouseDown(1)", "Click",
// "MouseOnButton(True)", "KeyUp(32)".
class ButtonEventLog {
public:
    explicit ButtonEventLog(XPButton& button, bool withMouseMoves = false);
    std::vector<std::string> events;
};

// One button on its own in-memory window, placed the way a designer places
// a new button (InitProperties) and sized once.
struct ButtonRig {
    explicit ButtonRig(ButtonContainer& container, std::string name = "XPButton1");
    FakeButtonHost host;
    XPButton button;
    ButtonEventLog log;
};

} // namespace tarvenel::test
