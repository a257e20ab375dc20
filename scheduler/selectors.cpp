// The six date and time selectors and the target label.
#include "app/text.h"
#include "scheduler/frm_main.h"
#include "scheduler/selector_entries.h"

namespace tarvenel {
namespace {

constexpr const char* kTargetPrefix = "设定关机时间：";

} // namespace

void FrmMain::ResetSelectors() {
    for (ComboBox* combo : {&c_.Combo1, &c_.Combo2, &c_.Combo3, &c_.Combo4, &c_.Combo5, &c_.Combo6})
        combo->Clear();

    // One reading for all six, so the selectors never mix two seconds.
    const CivilDateTime now = s_.clock.Now();
    state_.SetYear = static_cast<std::int16_t>(now.year);
    state_.SetMonth = static_cast<std::int16_t>(now.month);
    state_.SetDay = static_cast<std::int16_t>(now.day);
    state_.SetHour = static_cast<std::int16_t>(now.hour);
    state_.SetMinute = static_cast<std::int16_t>(now.minute);
    state_.SetSecond = static_cast<std::int16_t>(now.second);

    c_.Combo1.SetText(EntryText(now.year, "年"));
    c_.Combo2.SetText(EntryText(now.month, "月"));
    c_.Combo3.SetText(EntryText(now.day, "日"));
    c_.Combo4.SetText(EntryText(now.hour, "时"));
    c_.Combo5.SetText(EntryText(now.minute, "分"));
    c_.Combo6.SetText(EntryText(now.second, "秒"));
    UpdateTargetCaption();

    FillNumbered(c_.Combo1, now.year, now.year + 1, "年");
    FillNumbered(c_.Combo2, 1, 12, "月");
    FillNumbered(c_.Combo3, 1, DaysInMonth(now.year, now.month), "日");
    FillNumbered(c_.Combo4, 0, 23, "时");
    FillNumbered(c_.Combo5, 0, 59, "分");
    FillNumbered(c_.Combo6, 0, 59, "秒");
}

void FrmMain::ParseInto(ComboBox& combo, std::int16_t& field, int lowest, int highest) {
    // Typed text that is not an entry of this list leaves the field as it was.
    const auto value = ToInt16(DropLastCharacter(combo.Text()));
    if (value && *value >= lowest && *value <= highest)
        field = *value;
}

void FrmMain::Combo1_Click() {
    ParseInto(c_.Combo1, state_.SetYear, 100, 9999);
    UpdateTargetCaption();
    Combo2_Click(); // the day list follows the year (29 February)
}

void FrmMain::Combo2_Click() {
    ParseInto(c_.Combo2, state_.SetMonth, 1, 12);
    FillDayList();
    UpdateTargetCaption();
}

void FrmMain::FillDayList() {
    const int days = DaysInMonth(state_.SetYear, state_.SetMonth);
    if (days == 0)
        return;
    while (c_.Combo3.ListCount() > 0)
        c_.Combo3.RemoveItem(0);
    FillNumbered(c_.Combo3, 1, days, "日");
    while (state_.SetDay > days)
        --state_.SetDay;
    c_.Combo3.SetText(EntryText(state_.SetDay, "日"));
}

void FrmMain::Combo3_Click() {
    ParseInto(c_.Combo3, state_.SetDay, 1, 31);
    UpdateTargetCaption();
}

void FrmMain::Combo4_Click() {
    ParseInto(c_.Combo4, state_.SetHour, 0, 23);
    UpdateTargetCaption();
}

void FrmMain::Combo5_Click() {
    ParseInto(c_.Combo5, state_.SetMinute, 0, 59);
    UpdateTargetCaption();
}

void FrmMain::Combo6_Click() {
    ParseInto(c_.Combo6, state_.SetSecond, 0, 59);
    UpdateTargetCaption();
}

void FrmMain::UpdateTargetCaption() {
    c_.Label1.SetCaption(kTargetPrefix + c_.Combo1.Text() + c_.Combo2.Text() + c_.Combo3.Text() +
                         c_.Combo4.Text() + c_.Combo5.Text() + c_.Combo6.Text());
}

} // namespace tarvenel
