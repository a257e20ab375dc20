#include "support/fake_button_host.h"

namespace tarvenel::test {

void FakeButtonHost::MessageBox(const std::string& text, int style, const std::string& caption) {
    messages.push_back({text, style, caption});
}

std::optional<std::string> FakeButtonHost::SetMouseIcon(const PicturePtr& icon) {
    if (refuseMouseIcon && icon)
        return std::string("Invalid picture");
    mouseIcon = icon;
    return std::nullopt;
}

void FakeButtonHost::SetClientWidth(int pixels) {
    width = pixels;
    calls.push_back("SetClientWidth " + std::to_string(pixels));
    // A real window reports its new size at once.
    if (button)
        button->OnResize();
}

void FakeButtonHost::SetCapture() {
    captured = true;
    calls.push_back("Capture");
}

void FakeButtonHost::ReleaseCapture() {
    captured = false;
    calls.push_back("ReleaseCapture");
}

void FakeButtonHost::StartTimer(int id, int periodMs) {
    runningTimer = id;
    timerPeriodMs = periodMs;
    calls.push_back("StartTimer " + std::to_string(id));
}

void FakeButtonHost::StopTimer(int id) {
    if (runningTimer == id)
        runningTimer.reset();
    calls.push_back("StopTimer " + std::to_string(id));
}

void FakeButtonHost::PostKeyDownToContainer(int virtualKey, std::uint32_t keyData) {
    postedKeys.push_back({virtualKey, keyData});
}

void FakeButtonHost::Redraw() {
    calls.push_back("Redraw");
    if (renderer)
        shown = renderer->Paint();
    if (button)
        painted.push_back({button->VisualState(), button->Value()});
    else
        painted.push_back({});
}

void FakeButtonHost::ClearRecords() {
    messages.clear();
    changed.clear();
    postedKeys.clear();
    painted.clear();
    calls.clear();
}

ButtonEventLog::ButtonEventLog(XPButton& button, bool withMouseMoves) {
    auto& e = button.events;
    e.Click = [this] { events.push_back("Click"); };
    e.DoubleClick = [this](int b) { events.push_back("DoubleClick(" + std::to_string(b) + ")"); };
    e.KeyDown = [this](int& k, int) { events.push_back("KeyDown(" + std::to_string(k) + ")"); };
    e.KeyPress = [this](int& k) { events.push_back("KeyPress(" + std::to_string(k) + ")"); };
    e.KeyUp = [this](int& k, int) { events.push_back("KeyUp(" + std::to_string(k) + ")"); };
    e.MouseDown = [this](int b, int, float, float) {
        events.push_back("MouseDown(" + std::to_string(b) + ")");
    };
    if (withMouseMoves)
        e.MouseMove = [this](int b, int, float, float) {
            events.push_back("MouseMove(" + std::to_string(b) + ")");
        };
    e.MouseUp = [this](int b, int, float, float) {
        events.push_back("MouseUp(" + std::to_string(b) + ")");
    };
    e.MouseOnButton = [this](bool on) {
        events.push_back(on ? "MouseOnButton(True)" : "MouseOnButton(False)");
    };
}

ButtonRig::ButtonRig(ButtonContainer& container, std::string name)
    : host(container, std::move(name)), button(host), log(button) {
    host.button = &button;
    button.SetRenderHooks(&host);
    button.InitProperties();
    button.OnResize();
    host.ClearRecords();
}

} // namespace tarvenel::test
