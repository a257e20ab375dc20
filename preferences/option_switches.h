#pragma once
// The option check boxes and the preset default time of the main window:
// each change takes effect at once, is stored and is confirmed.
#include <cstdint>
#include <string>

#include "app/controls.h"
#include "app/dialogs.h"
#include "preferences/settings.h"

namespace tarvenel {

// The options as the program uses them; only 1 counts as on. The default
// time is what the store held at start.
struct OptionFlags {
    std::int16_t MsgOKFlag = 0;
    std::int16_t AutoOKFlag = 0;
    std::int16_t GuDingTimeFlag = 0;
    std::int16_t GuDingHour = 0;
    std::int16_t GuDingMinute = 0;
    std::int16_t GuDingSecond = 0;
};

// The target selectors as the default time reaches them.
class DefaultTimeTarget {
public:
    virtual ~DefaultTimeTarget() = default;
    // The text goes into the target's selector for `part` (0 hour, 1 minute,
    // 2 second), which takes it as its value; the target line follows.
    virtual void TakeDefaultPart(int part, const std::string& text) = 0;
    // All three at once; the whole target is read again.
    virtual void TakeDefaultTime(const std::string& hour, const std::string& minute,
                                 const std::string& second) = 0;
};

// A mouse release counts when it lies inside the box, edges included.
bool ReleasedInside(const CheckBox& box, float x, float y);

// The message boxes of the options: the program's title as caption.
void ShowMessage(Dialogs& dialogs, const std::string& text, int style);

struct OptionControls {
    CheckBox& Check2; // confirmation message after arming
    CheckBox& Check3; // arm at start
    CheckBox& Check4; // preset default time
    ComboBox& Combo7; // default hour, minute, second
    ComboBox& Combo8;
    ComboBox& Combo9;
    CommandButton& armButton; // enabled only while no shutdown is armed
};

class OptionSwitches {
public:
    OptionSwitches(OptionControls controls, SettingsStore& settings, Dialogs& dialogs,
                   OptionFlags& flags, DefaultTimeTarget& target);

    // Start-up, in this order; each step may fail on its own.
    void ReadMessageFlag();     // MsgOK, default on
    void ReadAutoArmFlag();     // AutoOK, default off
    void ReadDefaultTimeFlag(); // GuDingTime, default off
    void FillDefaultTimeLists();
    void ReadDefaultTime(); // 23:59:59 by default; out of range repaired
    void ShowDefaultTime();
    void ApplyDefaultTimeAtStart(); // when the option is on

    void Check2_MouseUp(int button, int shift, float x, float y);
    void Check3_MouseUp(int button, int shift, float x, float y);
    void Check4_MouseUp(int button, int shift, float x, float y);
    void Combo7_Click();
    void Combo8_Click();
    void Combo9_Click();

private:
    void ReadFlag(const char* key, int defaultValue, std::int16_t& flag, CheckBox& box);
    void Switch(CheckBox& box, float x, float y, std::int16_t& flag, const char* key,
                const char* feature, bool takesDefaultTime);
    void ChooseDefaultPart(int part, ComboBox& source, const char* key);
    void CopyDefaultTime();

    OptionControls c_;
    SettingsStore& settings_;
    Dialogs& dialogs_;
    OptionFlags& flags_;
    DefaultTimeTarget& target_;
};

} // namespace tarvenel
