#pragma once
// In-memory controls for driving the forms' logic in tests.
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

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

class FakeComboBox : public ComboBox {
public:
    void Clear() override { items.clear(); }
    void AddItem(const std::string& text) override { items.push_back(text); }
    void RemoveItem(int index) override { items.erase(items.begin() + index); }
    int ListCount() const override { return static_cast<int>(items.size()); }
    std::string List(int index) const override { return items.at(index); }
    int ListIndex() const override;
    std::string Text() const override { return text; }
    void SetText(const std::string& value) override { text = value; }
    bool Enabled() const override { return enabled; }
    void SetEnabled(bool value) override { enabled = value; }

    // What a user does: picks entry `index` from the list.
    void Choose(int index) { text = items.at(index); }

    std::vector<std::string> items;
    std::string text;
    bool enabled = true;
};

class FakeCheckBox : public CheckBox {
public:
    int Value() const override { return value; }
    void SetValue(int v) override { value = v; }
    int Width() const override { return width; }
    int Height() const override { return height; }
    int value = 0;
    int width = 160;
    int height = 20;
};

class FakeButton : public CommandButton {
public:
    explicit FakeButton(std::string* focus = nullptr, std::string name = {})
        : focusOwner(focus), name(std::move(name)) {}
    std::string Caption() const override { return caption; }
    void SetCaption(const std::string& text) override { caption = text; }
    bool Enabled() const override { return enabled; }
    void SetEnabled(bool value) override { enabled = value; }
    void SetFocus() override {
        if (focusOwner)
            *focusOwner = name;
    }
    std::string* focusOwner;
    std::string name;
    std::string caption;
    bool enabled = true;
};

class FakePicture : public Picture {
public:
    bool Visible() const override { return visible; }
    void SetVisible(bool value) override { visible = value; }
    bool visible = false;
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

class FakeImageButton : public ImageButton {
public:
    void ShowFace(ImageFace value) override { face = value; }
    ImageFace face = ImageFace::None;
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
        ++restored;
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
    int restored = 0;
    WindowState state = WindowState::Normal;
    int width = 0;
    int height = 0;
};

} // namespace tarvenel::test
