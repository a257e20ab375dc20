#pragma once
// The main window as the program makes it (MainForm over a native form in
// memory), with in-memory services. Controls are reached by their form
// names, as the window's own tables call them.
#include <string>
#include <utility>

#include "raster/fixed_cell_text.h"
#include "scheduler/main_form.h"
#include "support/fake_native_form.h"
#include "support/fake_services.h"

namespace tarvenel::test {

struct MainWindowHarness {
    FakeClock clock;
    FakeDateText dateText;
    FakeSettings settings;
    FakeDialogs dialogs;
    FakeStartupList startup;
    FakeNotifyIcon notifyIcon;
    FakeCountdown countdown;
    FakeUrlOpener urls;
    FakeExit exit;
    FakeScreen screen;
    FixedCellText text;
    FakeNativeForm native;
    // The window's clock starts mid-second, so that each second RunClock
    // lets pass holds one tick of the clock line.
    MainForm main{(native.now = 1'000'500, native),
                  {clock, dateText, settings, dialogs, startup, countdown, urls, exit, screen},
                  notifyIcon,
                  text};
    FrmMain& frm = main.Logic();
    Form& form = main.Host().FormView();
    Timer& Timer2 = main.RestoreTimer();

    MainWindowHarness() : clockTimer_(ClockTimer()) {}

    // A control by its form name ("Combo4", "XPButton1"); the form's
    // window itself is `form`.
    FakeNativeForm::Control& operator[](const std::string& name) const {
        return native.Named(name);
    }
    std::string Focused() const {
        return native.controls.count(native.focus) ? native.Get(native.focus).spec.name : "";
    }
    bool ClockRunning() const { return native.due.count(clockTimer_) > 0; }
    std::pair<int, int> Position() const {
        return {native.window.place.left, native.window.place.top};
    }
    // Which of its three faces a caption image shows.
    ImageFace FaceOf(const std::string& name);

    // Starts the program at the given local time.
    void LoadAt(const CivilDateTime& now) {
        clock.Set(now);
        frm.Form_Load();
    }

    // Types the target into the six selectors' text fields.
    void TypeTarget(const CivilDateTime& t) {
        (*this)["Combo1"].text = std::to_string(t.year) + "年";
        (*this)["Combo2"].text = std::to_string(t.month) + "月";
        (*this)["Combo3"].text = std::to_string(t.day) + "日";
        (*this)["Combo4"].text = std::to_string(t.hour) + "时";
        (*this)["Combo5"].text = std::to_string(t.minute) + "分";
        (*this)["Combo6"].text = std::to_string(t.second) + "秒";
    }

    // Lets `seconds` pass on both clocks; the clock line's timer ticks once
    // a second while it runs.
    void RunClock(int seconds) {
        for (int i = 0; i < seconds; ++i) {
            clock.Advance(1);
            native.Advance(1000);
        }
    }

    // What the user does, as the window system reports it: picks a list's
    // entry (by its text or place); clicks a box, pressing in it and
    // releasing at (x, y) in its pixels (a left release inside switches it
    // first); presses the space bar on a box.
    void Choose(const std::string& list, const std::string& entry);
    void Choose(const std::string& list, int index);
    void ClickBox(const std::string& box, float x = 5, float y = 5, int button = 1);
    void SpaceOnBox(const std::string& box);

    std::string LastMessage() const {
        return dialogs.shown.empty() ? "" : dialogs.shown.back().text;
    }

private:
    int ClockTimer();
    int clockTimer_;
};

} // namespace tarvenel::test
