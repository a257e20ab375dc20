// Start-up of the main window: the load sequence.
#include <exception>

#include "app/text.h"
#include "app/version.h"
#include "preferences/links.h"
#include "scheduler/frm_main.h"
#include "scheduler/selector_entries.h"

namespace tarvenel {
namespace {

// From the start-up check on, a step that fails must not stop the start: the
// fields it would have set keep their value and the next step runs.
template <class Step> void SkipOnError(Step&& step) {
    try {
        step();
    } catch (const std::exception&) {
    }
}

} // namespace

FrmMain::FrmMain(FrmMainControls controls, FrmMainServices services)
    : c_(controls), s_(std::move(services)) {}

void FrmMain::Form_Load() {
    state_.IsArmed = false;
    appDir_ = AppDirOf(s_.location);
    startupCommand_ = StartupCommandOf(s_.location);
    c_.form.SetSize(kMainWidthTwips, kMainHeightTwips);
    winPosition_.left = (s_.screen.WidthTwips() - kMainWidthTwips) / 2;
    winPosition_.top = (s_.screen.HeightTwips() - kMainHeightTwips) / 2;
    c_.form.SetCaption(TitleWithVersion());
    c_.LbBR.SetCaption(kCreditLine);

    SkipOnError([&] { StartupCheck(); });
    SkipOnError([&] { ReadOptionFlag(setting::kMsgOK, 1, state_.MsgOKFlag, c_.Check2); });
    SkipOnError([&] { ReadOptionFlag(setting::kAutoOK, 0, state_.AutoOKFlag, c_.Check3); });
    SkipOnError([&] { ReadOptionFlag(setting::kGuDingTime, 0, state_.GuDingTimeFlag, c_.Check4); });
    SkipOnError([&] { ClockTick(); });
    SkipOnError([&] { ResetSelectors(); });
    SkipOnError([&] {
        c_.Combo7.Clear();
        c_.Combo8.Clear();
        c_.Combo9.Clear();
        FillNumbered(c_.Combo7, 0, 23, "时");
        FillNumbered(c_.Combo8, 0, 59, "分");
        FillNumbered(c_.Combo9, 0, 59, "秒");
    });
    SkipOnError([&] { ReadDefaultTime(); });
    SkipOnError([&] {
        c_.Combo7.SetText(EntryText(state_.GuDingHour, "时"));
        c_.Combo8.SetText(EntryText(state_.GuDingMinute, "分"));
        c_.Combo9.SetText(EntryText(state_.GuDingSecond, "秒"));
    });
    SkipOnError([&] {
        // A default time already past today stays today: arming then refuses it.
        if (state_.GuDingTimeFlag == 1)
            CopyDefaultTime();
    });
    SkipOnError([&] { c_.form.Show(); });
    SkipOnError([&] {
        if (state_.AutoOKFlag == 1)
            ArmSchedule();
    });
}

void FrmMain::ReadOptionFlag(const char* key, int defaultValue, std::int16_t& flag, CheckBox& box) {
    const std::string text =
        ReadSetting(s_.settings, kAppTitle, kSettingsSection, key, defaultValue);
    if (auto value = ToInt16(text))
        flag = *value;
    // Only 1 counts as on, so any other stored number shows as a clear box.
    box.SetValue(flag == 1 ? 1 : 0);
}

void FrmMain::ReadDefaultTime() {
    auto read = [&](const char* key, int defaultValue, std::int16_t& field, int highest) {
        const std::string text =
            ReadSetting(s_.settings, kAppTitle, kSettingsSection, key, defaultValue);
        if (auto value = ToInt16(text))
            field = *value;
        if (field < 0 || field > highest)
            field = static_cast<std::int16_t>(highest);
    };
    read(setting::kGuDingH, 23, state_.GuDingHour, 23);
    read(setting::kGuDingM, 59, state_.GuDingMinute, 59);
    read(setting::kGuDingS, 59, state_.GuDingSecond, 59);
}

} // namespace tarvenel
