#pragma once
// In-memory controls for driving the forms' logic in tests.
#include <functional>
#include <string>

#include "app/controls.h"

namespace tarvenel::test {

class FakeLabel : public Label {
public:
    std::string Caption() const override { return caption; }
    void SetCaption(const std::string& text) override { caption = text; }
    int Width() const override { return width; }
    int Height() const override { return height; }
    std::string caption;
    int width = 1800;
    int height = 180;
};

class FakeButton : public CommandButton {
public:
    std::string Caption() const override { return caption; }
    void SetCaption(const std::string& text) override { caption = text; }
    bool Enabled() const override { return enabled; }
    void SetEnabled(bool value) override { enabled = value; }
    void SetFocus() override {}
    std::string caption;
    bool enabled = true;
};

class FakeTimer : public Timer {
public:
    explicit FakeTimer(int interval, bool enabled) : interval(interval), enabled(enabled) {}
    bool Enabled() const override { return enabled; }
    void SetEnabled(bool value) override { enabled = value; }
    int Interval() const override { return interval; }
    int interval;
    bool enabled;
};

class FakeForm : public Form {
public:
    std::string Caption() const override { return caption; }
    void SetCaption(const std::string& text) override { caption = text; }
    void Show() override { visible = true; }
    void Hide() override { visible = false; }
    void Restore() override {
        visible = true;
        state = WindowState::Normal;
    }
    bool Visible() const override { return visible; }
    void SetWindowState(WindowState value) override { state = value; }
    int Width() const override { return width; }
    int Height() const override { return height; }
    void SetSize(int w, int h) override {
        width = w;
        height = h;
    }
    void Unload() override {
        visible = false;
        unloaded = true;
        if (onUnload)
            onUnload();
    }
    std::function<void()> onUnload; // the front end's call of the unload handler
    std::string caption;
    bool visible = false;
    bool unloaded = false;
    WindowState state = WindowState::Normal;
    int width = 0;
    int height = 0;
};

} // namespace tarvenel::test
