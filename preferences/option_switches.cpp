// The option check boxes and the preset default time.
#include "app/text.h"
#include "app/version.h"
#include "scheduler/frm_main.h"

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

bool FrmMain::ReleasedInside(const CheckBox& box, float x, float y) const {
    // Edges count as inside: a release exactly on the border still switches.
    return x >= 0 && y >= 0 && x <= static_cast<float>(box.Width()) &&
           y <= static_cast<float>(box.Height());
}

bool FrmMain::StoreOption(const CheckBox& box, std::int16_t& flag, const char* key) {
    flag = box.Value() == 1 ? 1 : 0;
    return WriteSetting(s_.settings, kAppTitle, kSettingsSection, key, std::to_string(flag));
}

void FrmMain::ConfirmOption(bool on, bool saved, const char* feature) {
    if (!saved) {
        Message(SaveFailedMessage(std::string("“") + feature + "”设置"), mb::kIconExclamation);
        return;
    }
    Message(std::string(on ? "已经启用“" : "已经取消“") + feature + "”功能！",
            mb::kIconInformation);
}

void FrmMain::Check2_MouseUp(int, int, float x, float y) {
    if (!ReleasedInside(c_.Check2, x, y))
        return;
    const bool saved = StoreOption(c_.Check2, state_.MsgOKFlag, setting::kMsgOK);
    ConfirmOption(state_.MsgOKFlag == 1, saved, kMsgOKFeature);
}

void FrmMain::Check3_MouseUp(int, int, float x, float y) {
    if (!ReleasedInside(c_.Check3, x, y))
        return;
    const bool saved = StoreOption(c_.Check3, state_.AutoOKFlag, setting::kAutoOK);
    ConfirmOption(state_.AutoOKFlag == 1, saved, kAutoOKFeature);
}

void FrmMain::Check4_MouseUp(int, int, float x, float y) {
    if (!ReleasedInside(c_.Check4, x, y))
        return;
    const bool saved = StoreOption(c_.Check4, state_.GuDingTimeFlag, setting::kGuDingTime);
    // An armed target is never touched; the arm button is enabled only when idle.
    if (state_.GuDingTimeFlag == 1 && c_.XPButton1.Enabled())
        CopyDefaultTime();
    ConfirmOption(state_.GuDingTimeFlag == 1, saved, kGuDingFeature);
}

void FrmMain::CopyDefaultTime() {
    c_.Combo4.SetText(c_.Combo7.Text());
    c_.Combo5.SetText(c_.Combo8.Text());
    c_.Combo6.SetText(c_.Combo9.Text());
    ParseInto(c_.Combo1, state_.SetYear, 100, 9999);
    ParseInto(c_.Combo2, state_.SetMonth, 1, 12);
    ParseInto(c_.Combo3, state_.SetDay, 1, 31);
    ParseInto(c_.Combo4, state_.SetHour, 0, 23);
    ParseInto(c_.Combo5, state_.SetMinute, 0, 59);
    ParseInto(c_.Combo6, state_.SetSecond, 0, 59);
    UpdateTargetCaption();
}

void FrmMain::ChooseDefaultPart(ComboBox& source, ComboBox& target, std::int16_t& field,
                                int highest, const char* key) {
    // The displayed state of the box decides, not the flag.
    if (c_.Check4.Value() == 1) {
        target.SetText(source.Text());
        ParseInto(target, field, 0, highest);
        UpdateTargetCaption();
    }
    const int position = source.ListIndex();
    if (position < 0)
        return;
    if (!WriteSetting(s_.settings, kAppTitle, kSettingsSection, key, std::to_string(position)))
        Message(SaveFailedMessage("默认关机时间"), mb::kIconExclamation);
}

void FrmMain::Combo7_Click() {
    ChooseDefaultPart(c_.Combo7, c_.Combo4, state_.SetHour, 23, setting::kGuDingH);
}

void FrmMain::Combo8_Click() {
    ChooseDefaultPart(c_.Combo8, c_.Combo5, state_.SetMinute, 59, setting::kGuDingM);
}

void FrmMain::Combo9_Click() {
    ChooseDefaultPart(c_.Combo9, c_.Combo6, state_.SetSecond, 59, setting::kGuDingS);
}

} // namespace tarvenel
