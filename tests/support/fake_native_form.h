#pragma once
// A native form in memory: every control's state as the core last set it,
// the timers it started, and a clock to move; tests send it the events a
// window system would.
#include <map>
#include <string>
#include <vector>

#include "app/native_form.h"

namespace tarvenel::test {

class FakeNativeForm : public NativeForm {
public:
    struct Control {
        ControlSpec spec;
        std::string text;
        bool enabled = true;
        bool visible = true;
        bool checked = false;
        TwipsRect place;
        std::vector<std::string> entries;
        Bitmap face;
        Region outline;
        bool captured = false;
        // What a user does in the list: picks entry `index` (no event).
        void Choose(int index) { text = entries.at(static_cast<std::size_t>(index)); }
    };

    // What the window system delivers; the answer says whether it was used up.
    bool Send(FormEvent event) { return sink->OnEvent(event); }
    // The timers that are due by `ms` from now fire, in order.
    void Advance(long long ms);

    void Attach(FormSink& s) override { sink = &s; }
    void Make(int control, const ControlSpec& spec) override;
    std::string Text(int control) const override;
    void SetText(int control, const std::string& text) override;
    bool Enabled(int control) const override { return Get(control).enabled; }
    void SetEnabled(int control, bool on) override { Get(control).enabled = on; }
    bool Visible(int control) const override;
    void SetVisible(int control, bool on) override;
    bool Focused(int control) const override;
    void Focus(int control) override { focus = control; }
    TwipsRect Place(int control) const override;
    void SetPlace(int control, const TwipsRect& place) override;
    // Two hundred twips a character.
    int TextWidth(int, const std::string& text) const override {
        return 200 * static_cast<int>(text.size());
    }
    void AnnounceChange(int, AccessibleChange) override {}
    void ClearEntries(int control) override { Get(control).entries.clear(); }
    void AddEntries(int control, const std::vector<std::string>& texts) override;
    void RemoveEntry(int control, int index) override;
    int EntryCount(int control) const override;
    std::string Entry(int control, int index) const override;
    bool Checked(int control) const override { return Get(control).checked; }
    void SetChecked(int control, bool on) override { Get(control).checked = on; }
    void ShowFace(int control, const Bitmap& face) override;
    void SetOutline(int control, const Region& outline) override;
    void Capture(int control, bool on) override { Get(control).captured = on; }
    bool CursorOver(int) const override { return false; }
    void CursorAt(int, float& x, float& y) const override { x = y = 0; }
    void SetAccessKey(int, char) override {}
    void StartTimer(int timer, int ms) override { due[timer] = now + ms; }
    void StopTimer(int timer) override { due.erase(timer); }
    long long NowMs() const override { return now; }
    WindowState State() const override { return state; }
    void SetState(WindowState s) override;
    void BeginSystemMove() override { ++moves; }
    void SetAlwaysOnTop(bool on) override;
    void Close() override { closed = true; }
    void SetCaretResting(bool on) override { caretResting = on; }

    Control& Get(int control) const { return controls.at(control); }
    // The control the form calls `name` ("Combo4", "Command1").
    int Find(const std::string& name) const;
    Control& Named(const std::string& name) const { return Get(Find(name)); }

    FormSink* sink = nullptr;
    mutable std::map<int, Control> controls;
    std::vector<int> made; // in the order of making
    std::map<int, long long> due;
    long long now = 1000000;
    Control window;
    int focus = kForm - 1; // nowhere
    WindowState state = WindowState::Normal;
    bool onTop = false;
    bool onTopFails = false; // the window is gone: keeping it on top throws
    bool closed = false;
    bool caretResting = false;
    int moves = 0;
};

} // namespace tarvenel::test
