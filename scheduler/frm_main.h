#pragma once
// frmMain, the main window, as portable logic. It owns the schedule and
// coordinates the parts that own the window's controls: the target
// selectors, the option switches, the start-up entry, help and links, the
// caption images, the notification icon and the window's frame. Front ends
// create the native widgets, hand them in as control interfaces and call the
// handlers below when the user acts or a timer ticks; the handlers keep the
// forms' event names.
#include "app/controls.h"
#include "app/dialogs.h"
#include "app/screen.h"
#include "power/countdown_window.h"
#include "preferences/help_links.h"
#include "preferences/option_switches.h"
#include "preferences/settings.h"
#include "preferences/start_with_system.h"
#include "preferences/startup_list.h"
#include "preferences/url_opener.h"
#include "raster/text_renderer.h"
#include "scheduler/clock.h"
#include "scheduler/command_protocol.h"
#include "scheduler/schedule_state.h"
#include "scheduler/selectors.h"
#include "shell/caption_buttons.h"
#include "shell/drag.h"
#include "shell/main_window_skin.h"
#include "shell/notify_area.h"
#include "shell/notify_icon.h"
#include "shell/window_frame.h"

namespace tarvenel {

struct FrmMainControls {
    Form& form;
    Label& Label0; // clock line
    Label& Label1; // selected target
    Label& LbBR;   // credit line
    ComboBox& Combo1;
    ComboBox& Combo2;
    ComboBox& Combo3;
    ComboBox& Combo4;
    ComboBox& Combo5;
    ComboBox& Combo6;
    ComboBox& Combo7;
    ComboBox& Combo8;
    ComboBox& Combo9;
    CheckBox& Check1;
    CheckBox& Check2;
    CheckBox& Check3;
    CheckBox& Check4;
    CommandButton& XPButton1; // arm
    CommandButton& XPButton2; // cancel
    CommandButton& XPButton3; // reset
    Picture& Image1;          // armed indicator
    ImageButton& Immin;       // caption minimise image
    ImageButton& Imclose;     // caption close image
    Timer& Timer1;            // 1000 ms clock and trigger
    Timer& Timer2;            // 1 ms one-shot restore after a cancelled countdown
};

// The system's services of the main window, which its front end's window
// does not provide itself.
struct SystemServices {
    Clock& clock;
    DateTimeText& dateText;
    SettingsStore& settings;
    Dialogs& dialogs;
    StartupList& startup;
    CountdownWindow& countdown;
    UrlOpener& urls;
    ProgramExit& exit;
    Screen& screen;
};

// ...and what the window provides.
struct WindowServices {
    NotifyIcon& notifyIcon;
    MainWindowSurface& surface; // what the resize handler paints and places
    WindowMover& mover;
    TextRenderer& text;
};

struct FrmMainServices : SystemServices, WindowServices {};

// Outer size of the main window in twips (376 x 216 pixels).
inline constexpr int kMainWidthTwips = 5640;
inline constexpr int kMainHeightTwips = 3240;

class FrmMain {
public:
    FrmMain(FrmMainControls controls, FrmMainServices services);

    // Start-up: everything from reading the options to arming at once.
    void Form_Load();

    // Date and time selectors.
    void ResetSelectors() { selectors_.Reset(); } // XPButton3_Click
    void Combo1_Click() { selectors_.Chosen(0); }
    void Combo2_Click() { selectors_.Chosen(1); } // includes FillDayList
    void Combo3_Click() { selectors_.Chosen(2); }
    void Combo4_Click() { selectors_.Chosen(3); }
    void Combo5_Click() { selectors_.Chosen(4); }
    void Combo6_Click() { selectors_.Chosen(5); }

    // Clock and trigger.
    void ClockTick();          // Timer1_Timer
    void RestoreAfterCancel(); // Timer2_Timer

    // Arming and cancelling.
    void ArmSchedule();    // XPButton1_Click
    void CancelSchedule(); // XPButton2_Click

    // The command line's requests to the running copy. Arming takes the arm
    // button's checks and refusal texts, cancelling is 取 消's; the answer
    // goes back to the terminal, never into a message box.
    CommandReply AnswerCommand(const Command& command);
    // A request as the channel delivered it; a malformed one changes nothing.
    std::string AnswerRequest(std::string_view request);

    // Option switches and default time. X and Y are the release point
    // relative to the box, in the units of the box's size.
    void Check1_MouseUp(int b, int s, float x, float y) { startWith_.Check1_MouseUp(b, s, x, y); }
    void Check2_MouseUp(int b, int s, float x, float y) { options_.Check2_MouseUp(b, s, x, y); }
    void Check3_MouseUp(int b, int s, float x, float y) { options_.Check3_MouseUp(b, s, x, y); }
    void Check4_MouseUp(int b, int s, float x, float y) { options_.Check4_MouseUp(b, s, x, y); }
    void Combo7_Click() { options_.Combo7_Click(); }
    void Combo8_Click() { options_.Combo8_Click(); }
    void Combo9_Click() { options_.Combo9_Click(); }

    // Help and links.
    void Label2_Click() { help_.Label2_Click(); } // quick help
    void Label3_Click() { help_.Label3_Click(); } // product page
    void LbBR_Click() { help_.LbBR_Click(); }     // maker's home page

    // Caption images and exit. Mouse coordinates are in twips.
    void Immin_MouseMove(int, int, float, float) { caption_.Immin_MouseMove(); }
    void Immin_MouseDown(int, int, float, float) { caption_.Immin_MouseDown(); }
    void Immin_MouseUp(int, int, float, float) { caption_.Immin_MouseUp(); }
    void Imclose_MouseMove(int, int, float, float) { caption_.Imclose_MouseMove(); }
    void Imclose_MouseDown(int, int, float, float) { caption_.Imclose_MouseDown(); }
    void Imclose_MouseUp(int, int, float, float) { caption_.Imclose_MouseUp(); }
    void Imclose_Click() { caption_.Imclose_Click(); } // the exit question
    void IMBar_MouseMove(int, int, float, float) { caption_.ResetHover(); }
    // The notification icon's mouse messages arrive as moves over the form
    // whose X is the message's number in pixels: 514 is the left button's
    // release over the icon. The window is far narrower than that.
    void Form_MouseMove(int, int, float x, float) {
        caption_.ResetHover();
        if (x / kFormTwipsPerPixel == 514)
            NotifyIcon_Click();
    }

    // Skin, shape and place of the window: run on every resize, the first
    // showing included.
    void Form_Resize() { frame_.Form_Resize(); }

    // Dragging the window by its background and passive controls.
    void Form_MouseDown(int button, int, float, float) { frame_.MouseDown(button); }
    void IMBar_MouseDown(int button, int, float, float) { frame_.MouseDown(button); }
    void Image1_MouseDown(int button, int, float, float) { frame_.MouseDown(button); }
    void Label0_MouseDown(int button, int, float, float) { frame_.MouseDown(button); }
    void Label1_MouseDown(int button, int, float, float) { frame_.MouseDown(button); }

    // Notification area.
    void Immin_Click() { notifyArea_.HideToIcon(); }       // hide to the icon when armed
    void NotifyIcon_Click() { notifyArea_.IconClicked(); } // a left click on the icon
    void Form_QueryUnload() { notifyArea_.RemoveIcon(); }  // the icon goes with the window

    const ScheduleState& State() const { return state_; }

private:
    enum class Verdict { Accepted, Invalid, TooSoon };
    // The arm button's check of a composed target (nothing: no valid date).
    static Verdict Judge(std::optional<DateTimeValue> target, const CivilDateTime& now);
    // The first steps of every arming: disarmed, buttons in the armed look.
    void BeginArming();
    // The last steps of an accepted arming. Armed from the window, the
    // confirmation box may follow; from the command line nothing may wait
    // for the user.
    enum class ArmedBy { Window, CommandLine };
    Hidden Accept(DateTimeValue shutTime, ArmedBy by);
    CommandReply ArmFromCommand(const CommandTarget& target);
    std::string StatusLine() const;
    void SetControlsArmed(bool armed);
    void Message(const std::string& text, int style);

    FrmMainControls c_;
    FrmMainServices s_;
    ScheduleState state_;
    CountedDialogs dialogs_; // every box of the window goes through it
    Selectors selectors_;
    OptionSwitches options_;
    StartWithSystem startWith_;
    HelpAndLinks help_;
    NotifyArea notifyArea_;
    CaptionButtons caption_;
    WindowFrame frame_;
};

} // namespace tarvenel
