#include "preferences/option_switches.h"

#include "app/text.h"
#include "app/version.h"

namespace tarvenel {
namespace {

constexpr const char* kMsgOKFeature = "设定成功确定运行时出现提示";
constexpr const char* kAutoOKFeature = "程序启动后自动开始运行";
constexpr const char* kGuDingFeature = "预先设置为默认关机时间";

std::string SaveFailedMessage(const std::string& what) {
    return "无法保存" + what +
           "！\r\n这项设置在本次运行中仍然有效，但下次启动程序时不会保留。\r\n"
           "请检查配置文件或注册表是否可以写入。";
}

} // namespace

bool ReleasedInside(const CheckBox& box, float x, float y) {
    // Edges count as inside: a release exactly on the border still switches.
    return x >= 0 && y >= 0 && x <= static_cast<float>(box.Width()) &&
           y <= static_cast<float>(box.Height());
}

void ShowMessage(Dialogs& dialogs, const std::string& text, int style) {
    dialogs.MessageBox(text, style, kAppTitle);
}

OptionSwitches::OptionSwitches(OptionControls controls, SettingsStore& settings, Dialogs& dialogs,
                               OptionFlags& flags, DefaultTimeTarget& target)
    : c_(controls), settings_(settings), dialogs_(dialogs), flags_(flags), target_(target) {}

void OptionSwitches::ReadFlag(const char* key, int defaultValue, std::int16_t& flag,
                              CheckBox& box) {
    const std::string text = ReadSetting(settings_, kAppTitle, kSettingsSection, key, defaultValue);
    if (auto value = ToInt16(text))
        flag = *value;
    // Only 1 counts as on, so any other stored number shows as a clear box.
    box.SetValue(flag == 1 ? 1 : 0);
}

void OptionSwitches::ReadMessageFlag() {
    ReadFlag(setting::kMsgOK, 1, flags_.MsgOKFlag, c_.Check2);
}
void OptionSwitches::ReadAutoArmFlag() {
    ReadFlag(setting::kAutoOK, 0, flags_.AutoOKFlag, c_.Check3);
}
void OptionSwitches::ReadDefaultTimeFlag() {
    ReadFlag(setting::kGuDingTime, 0, flags_.GuDingTimeFlag, c_.Check4);
}

void OptionSwitches::FillDefaultTimeLists() {
    c_.Combo7.Clear();
    c_.Combo8.Clear();
    c_.Combo9.Clear();
    c_.Combo7.AddItems(EntryTexts(0, 23, "时"));
    c_.Combo8.AddItems(EntryTexts(0, 59, "分"));
    c_.Combo9.AddItems(EntryTexts(0, 59, "秒"));
}

void OptionSwitches::ReadDefaultTime() {
    auto read = [&](const char* key, int highest, std::int16_t& field) {
        const std::string text = ReadSetting(settings_, kAppTitle, kSettingsSection, key, highest);
        if (auto value = ToInt16(text))
            field = *value;
        if (field < 0 || field > highest)
            field = static_cast<std::int16_t>(highest);
    };
    read(setting::kGuDingH, 23, flags_.GuDingHour);
    read(setting::kGuDingM, 59, flags_.GuDingMinute);
    read(setting::kGuDingS, 59, flags_.GuDingSecond);
}

void OptionSwitches::ShowDefaultTime() {
    c_.Combo7.SetText(EntryText(flags_.GuDingHour, "时"));
    c_.Combo8.SetText(EntryText(flags_.GuDingMinute, "分"));
    c_.Combo9.SetText(EntryText(flags_.GuDingSecond, "秒"));
}

void OptionSwitches::ApplyDefaultTimeAtStart() {
    // A default time already past today stays today: arming then refuses it.
    if (flags_.GuDingTimeFlag == 1)
        CopyDefaultTime();
}

void OptionSwitches::CopyDefaultTime() {
    target_.TakeDefaultTime(c_.Combo7.Text(), c_.Combo8.Text(), c_.Combo9.Text());
}

void OptionSwitches::Switch(CheckBox& box, float x, float y, std::int16_t& flag, const char* key,
                            const char* feature, bool takesDefaultTime) {
    if (!ReleasedInside(box, x, y))
        return;
    flag = box.Value() == 1 ? 1 : 0;
    const bool saved =
        WriteSetting(settings_, kAppTitle, kSettingsSection, key, std::to_string(flag));
    // An armed target is never touched; the arm button is enabled only when idle.
    if (takesDefaultTime && flag == 1 && c_.armButton.Enabled())
        CopyDefaultTime();
    if (!saved) {
        ShowMessage(dialogs_, SaveFailedMessage(std::string("“") + feature + "”设置"),
                    mb::kIconExclamation);
        return;
    }
    ShowMessage(dialogs_, std::string(flag == 1 ? "已经启用“" : "已经取消“") + feature + "”功能！",
                mb::kIconInformation);
}

void OptionSwitches::Check2_MouseUp(int, int, float x, float y) {
    Switch(c_.Check2, x, y, flags_.MsgOKFlag, setting::kMsgOK, kMsgOKFeature, false);
}
void OptionSwitches::Check3_MouseUp(int, int, float x, float y) {
    Switch(c_.Check3, x, y, flags_.AutoOKFlag, setting::kAutoOK, kAutoOKFeature, false);
}
void OptionSwitches::Check4_MouseUp(int, int, float x, float y) {
    Switch(c_.Check4, x, y, flags_.GuDingTimeFlag, setting::kGuDingTime, kGuDingFeature, true);
}

void OptionSwitches::ChooseDefaultPart(int part, ComboBox& source, const char* key) {
    // The displayed state of the box decides, not the flag.
    if (c_.Check4.Value() == 1)
        target_.TakeDefaultPart(part, source.Text());
    const int position = source.ListIndex();
    if (position < 0)
        return;
    if (!WriteSetting(settings_, kAppTitle, kSettingsSection, key, std::to_string(position)))
        ShowMessage(dialogs_, SaveFailedMessage("默认关机时间"), mb::kIconExclamation);
}

void OptionSwitches::Combo7_Click() {
    ChooseDefaultPart(0, c_.Combo7, setting::kGuDingH);
}
void OptionSwitches::Combo8_Click() {
    ChooseDefaultPart(1, c_.Combo8, setting::kGuDingM);
}
void OptionSwitches::Combo9_Click() {
    ChooseDefaultPart(2, c_.Combo9, setting::kGuDingS);
}

} // namespace tarvenel
