#pragma once
// frmMain's logic wired to in-memory controls and services.
#include <string>

#include "raster/fixed_cell_text.h"
#include "scheduler/frm_main.h"
#include "support/fake_controls.h"
#include "support/fake_services.h"

namespace tarvenel::test {

struct MainWindowHarness {
    FakeForm form;
    FakeLabel Label0, Label1, LbBR;
    FakeComboBox Combo1, Combo2, Combo3, Combo4, Combo5, Combo6, Combo7, Combo8, Combo9;
    FakeCheckBox Check1, Check2, Check3, Check4;
    std::string focus; // name of the button that has the keyboard focus
    FakeButton XPButton1{&focus, "XPButton1"};
    FakeButton XPButton2{&focus, "XPButton2"};
    FakeButton XPButton3{&focus, "XPButton3"};
    FakePicture Image1;
    FakeImageButton Immin, Imclose;
    FakeTimer Timer1{1000, true};
    FakeTimer Timer2{1, false};

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
    FakeSurface surface;
    FakeMover mover;
    FixedCellText text;

    FrmMain frm{FrmMainControls{form,   Label0,  Label1, LbBR,      Combo1,    Combo2,    Combo3,
                                Combo4, Combo5,  Combo6, Combo7,    Combo8,    Combo9,    Check1,
                                Check2, Check3,  Check4, XPButton1, XPButton2, XPButton3, Image1,
                                Immin,  Imclose, Timer1, Timer2},
                FrmMainServices{
                    {clock, dateText, settings, dialogs, startup, countdown, urls, exit, screen},
                    {notifyIcon, surface, mover, text}}};

    MainWindowHarness() { XPButton2.enabled = false; }

    // Starts the program at the given local time.
    void LoadAt(const CivilDateTime& now) {
        clock.Set(now);
        frm.Form_Load();
    }

    // Types the target into the six selectors' text fields.
    void TypeTarget(const CivilDateTime& t) {
        Combo1.text = std::to_string(t.year) + "年";
        Combo2.text = std::to_string(t.month) + "月";
        Combo3.text = std::to_string(t.day) + "日";
        Combo4.text = std::to_string(t.hour) + "时";
        Combo5.text = std::to_string(t.minute) + "分";
        Combo6.text = std::to_string(t.second) + "秒";
    }

    // Lets `seconds` pass, delivering Timer1's ticks while it runs.
    void RunClock(int seconds) {
        for (int i = 0; i < seconds; ++i) {
            clock.Advance(1);
            if (Timer1.enabled)
                frm.ClockTick();
        }
    }

    // A left click that is released inside the box (the box toggles first).
    static void ClickBox(FakeCheckBox& box) { box.value = box.value == 1 ? 0 : 1; }

    std::string LastMessage() const {
        return dialogs.shown.empty() ? "" : dialogs.shown.back().text;
    }
};

} // namespace tarvenel::test
