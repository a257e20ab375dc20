#include "scheduler/selectors.h"

#include "app/text.h"

namespace tarvenel {
namespace {

constexpr const char* kTargetPrefix = "设定关机时间：";
constexpr int kYear = 0, kMonth = 1, kDay = 2, kHour = 3;

} // namespace

void Selectors::Reset() {
    for (ComboBox* combo : combos_)
        combo->Clear();

    // One reading for all six, so the selectors never mix two seconds.
    const CivilDateTime now = clock_.Now();
    const int values[] = {now.year, now.month, now.day, now.hour, now.minute, now.second};
    for (int i = 0; i < 6; ++i) {
        const SelectorPart& part = kSelectorParts[static_cast<std::size_t>(i)];
        state_.*part.field = static_cast<std::int16_t>(values[i]);
        Combo(i).SetText(EntryText(values[i], part.unit));
    }
    UpdateTargetCaption();

    // The year list offers this year and the next.
    const int firsts[] = {now.year, 1, 1, 0, 0, 0};
    const int lasts[] = {now.year + 1, 12, DaysInMonth(now.year, now.month), 23, 59, 59};
    for (int i = 0; i < 6; ++i)
        Combo(i).AddItems(
            EntryTexts(firsts[i], lasts[i], kSelectorParts[static_cast<std::size_t>(i)].unit));
}

void Selectors::ParseInto(int index) {
    // Typed text that is not an entry of this list leaves the field as it was.
    const SelectorPart& part = kSelectorParts[static_cast<std::size_t>(index)];
    const auto value = ToInt16(DropLastCharacter(Combo(index).Text()));
    if (value && *value >= part.lowest && *value <= part.highest)
        state_.*part.field = *value;
}

void Selectors::Chosen(int index) {
    ParseInto(index);
    if (index == kMonth)
        FillDayList();
    UpdateTargetCaption();
    if (index == kYear)
        Chosen(kMonth); // the day list follows the year (29 February)
}

void Selectors::FillDayList() {
    const int days = DaysInMonth(state_.SetYear, state_.SetMonth);
    if (days == 0)
        return;
    ComboBox& dayList = Combo(kDay);
    while (dayList.ListCount() > 0)
        dayList.RemoveItem(0);
    dayList.AddItems(EntryTexts(1, days, "日"));
    while (state_.SetDay > days)
        --state_.SetDay;
    dayList.SetText(EntryText(state_.SetDay, "日"));
}

void Selectors::UpdateTargetCaption() {
    std::string caption = kTargetPrefix;
    for (ComboBox* combo : combos_)
        caption += combo->Text();
    target_.SetCaption(caption);
}

bool Selectors::ReadAll() {
    bool all = true;
    for (int i = 0; i < 6; ++i) {
        const auto value = ToInt16(DropLastCharacter(Combo(i).Text()));
        if (value)
            state_.*kSelectorParts[static_cast<std::size_t>(i)].field = *value;
        all = all && value.has_value();
    }
    return all;
}

void Selectors::Show(const CivilDateTime& t) {
    const int values[] = {t.year, t.month, t.day, t.hour, t.minute, t.second};
    for (int i = 0; i < 6; ++i) {
        Combo(i).SetText(EntryText(values[i], kSelectorParts[static_cast<std::size_t>(i)].unit));
        ParseInto(i);
    }
    FillDayList();
    UpdateTargetCaption();
}

void Selectors::TakeDefaultPart(int part, const std::string& text) {
    Combo(kHour + part).SetText(text);
    ParseInto(kHour + part);
    UpdateTargetCaption();
}

void Selectors::TakeDefaultTime(const std::string& hour, const std::string& minute,
                                const std::string& second) {
    Combo(kHour).SetText(hour);
    Combo(kHour + 1).SetText(minute);
    Combo(kHour + 2).SetText(second);
    for (int i = 0; i < 6; ++i)
        ParseInto(i);
    UpdateTargetCaption();
}

} // namespace tarvenel
