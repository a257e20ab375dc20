#pragma once
// frmMain, the main window, as portable logic: it owns the schedule state and
// handles the events of its controls. Front ends create the native widgets,
// hand them in as control interfaces and call the handlers below when the
// user acts or a timer ticks.
#include <string>

#include "app/controls.h"
#include "app/dialogs.h"
#include "app/program_location.h"
#include "app/screen.h"
#include "power/countdown_window.h"
#include "preferences/settings.h"
#include "preferences/startup_list.h"
#include "preferences/url_opener.h"
#include "raster/bitmap.h"
#include "raster/text_renderer.h"
#include "scheduler/clock.h"
#include "scheduler/schedule_state.h"
#include "shell/drag.h"
#include "shell/main_window_skin.h"
#include "shell/notify_icon.h"

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

// Ends the program at once: every window and timer stops without further
// events (an open countdown dialog goes without its unload handler).
class ProgramExit {
public:
    virtual ~ProgramExit() = default;
    virtual void End() = 0;
};

struct FrmMainServices {
    Clock& clock;
    DateTimeText& dateText;
    SettingsStore& settings;
    Dialogs& dialogs;
    StartupList& startup;
    NotifyIcon& notifyIcon;
    CountdownWindow& countdown;
    UrlOpener& urls;
    ProgramExit& exit;
    Screen& screen;
    MainWindowSurface& surface; // what the resize handler paints and places
    WindowMover& mover;
    TextRenderer& text;
    ProgramLocation location;
};

// The quick-help text, ten lines.
std::string HelpText();

// Outer size of the main window in twips (376 x 216 pixels).
inline constexpr int kMainWidthTwips = 5640;
inline constexpr int kMainHeightTwips = 3240;

class FrmMain {
public:
    FrmMain(FrmMainControls controls, FrmMainServices services);

    // Start-up: everything from reading the options to arming at once.
    void Form_Load();

    // Date and time selectors.
    void ResetSelectors(); // XPButton3_Click
    void Combo1_Click();
    void Combo2_Click(); // includes FillDayList
    void Combo3_Click();
    void Combo4_Click();
    void Combo5_Click();
    void Combo6_Click();
    void UpdateTargetCaption();

    // Clock and trigger.
    void ClockTick();          // Timer1_Timer
    void RestoreAfterCancel(); // Timer2_Timer

    // Arming and cancelling.
    void ArmSchedule();    // XPButton1_Click
    void CancelSchedule(); // XPButton2_Click

    // Option switches and default time. X and Y are the release point
    // relative to the box, in the units of the box's size.
    void Check1_MouseUp(int button, int shift, float x, float y);
    void Check2_MouseUp(int button, int shift, float x, float y);
    void Check3_MouseUp(int button, int shift, float x, float y);
    void Check4_MouseUp(int button, int shift, float x, float y);
    void Combo7_Click();
    void Combo8_Click();
    void Combo9_Click();

    // Help and links.
    void Label2_Click(); // quick help
    void Label3_Click(); // product page
    void LbBR_Click();   // maker's home page

    // Caption images and exit. Mouse coordinates are in twips.
    void Immin_MouseMove(int button, int shift, float x, float y);
    void Immin_MouseDown(int button, int shift, float x, float y);
    void Immin_MouseUp(int button, int shift, float x, float y);
    void Imclose_MouseMove(int button, int shift, float x, float y);
    void Imclose_MouseDown(int button, int shift, float x, float y);
    void Imclose_MouseUp(int button, int shift, float x, float y);
    void Imclose_Click(); // the exit question
    void IMBar_MouseMove(int button, int shift, float x, float y);
    // Mouse moves over the background. The notification icon's mouse messages
    // arrive here too, as a move whose X is the message number in pixels.
    void Form_MouseMove(int button, int shift, float x, float y);

    // Skin, shape and place of the window: run on every resize, the first
    // showing included.
    void Form_Resize();

    // Dragging the window by its background and passive controls.
    void Form_MouseDown(int button, int shift, float x, float y);
    void IMBar_MouseDown(int button, int shift, float x, float y);
    void Image1_MouseDown(int button, int shift, float x, float y);
    void Label0_MouseDown(int button, int shift, float x, float y);
    void Label1_MouseDown(int button, int shift, float x, float y);

    // Notification area.
    void Immin_Click();      // hide to the notification area when armed
    void Form_QueryUnload(); // the icon goes with the window

    const ScheduleState& State() const { return state_; }
    const std::string& AppDir() const { return appDir_; }
    const std::string& StartupCommand() const { return startupCommand_; }
    int WinLeft() const { return winPosition_.left; }
    int WinTop() const { return winPosition_.top; }

private:
    void FillDayList();
    bool ParseSelectors();
    void ParseInto(ComboBox& combo, std::int16_t& field, int lowest, int highest);
    void SetControlsArmed(bool armed);
    void StartupCheck();
    bool IsInStartupList();
    void ReadOptionFlag(const char* key, int defaultValue, std::int16_t& flag, CheckBox& box);
    void ReadDefaultTime();
    void CopyDefaultTime();
    bool ReleasedInside(const CheckBox& box, float x, float y) const;
    bool StoreOption(const CheckBox& box, std::int16_t& flag, const char* key);
    void ConfirmOption(bool on, bool saved, const char* feature);
    void ChooseDefaultPart(ComboBox& source, ComboBox& target, std::int16_t& field, int highest,
                           const char* key);
    void Message(const std::string& text, int style);
    void ResetCaptionHover();

    struct CaptionImage {
        ImageButton& image;
        std::string tag; // "1" once the hover picture is in place
    };

    FrmMainControls c_;
    FrmMainServices s_;
    ScheduleState state_;
    CaptionImage immin_{c_.Immin, {}};
    CaptionImage imclose_{c_.Imclose, {}};
    std::string appDir_;
    std::string startupCommand_;
    WindowPosition winPosition_; // twips
    Bitmap skin_;                // decoded on the first resize
    Bitmap icon_;
};

} // namespace tarvenel
