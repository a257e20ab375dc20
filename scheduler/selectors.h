#pragma once
// The six date and time selectors of the target and the target line above
// them. One table describes the six: unit character, accepted range and the
// field of the schedule each one fills.
#include <array>
#include <cstdint>
#include <string>

#include "app/controls.h"
#include "app/text.h"
#include "preferences/option_switches.h"
#include "scheduler/clock.h"
#include "scheduler/schedule_state.h"

namespace tarvenel {

struct SelectorPart {
    const char* unit;
    int lowest; // a chosen entry outside the range leaves the field as it was
    int highest;
    std::int16_t ScheduleState::*field;
};

inline constexpr std::array<SelectorPart, 6> kSelectorParts{{
    {"年", 100, 9999, &ScheduleState::SetYear},
    {"月", 1, 12, &ScheduleState::SetMonth},
    {"日", 1, 31, &ScheduleState::SetDay},
    {"时", 0, 23, &ScheduleState::SetHour},
    {"分", 0, 59, &ScheduleState::SetMinute},
    {"秒", 0, 59, &ScheduleState::SetSecond},
}};

class Selectors : public DefaultTimeTarget {
public:
    // combos: Combo1 (year) to Combo6 (second); target: Label1.
    Selectors(const std::array<ComboBox*, 6>& combos, Label& target, ScheduleState& state,
              Clock& clock)
        : combos_(combos), target_(target), state_(state), clock_(clock) {}

    // XPButton3_Click: all six lists filled afresh and set to now.
    void Reset();
    // ComboN_Click for Combo1 (index 0) to Combo6 (index 5).
    void Chosen(int index);
    // Label1 := "设定关机时间：" and the six texts as they stand.
    void UpdateTargetCaption();
    // Sets all six lists to a valid date and time chosen elsewhere (the
    // command line), with the day list of its month.
    void Show(const CivilDateTime& t);
    // Reads all six texts (typed ones included) into the schedule; false
    // when any of them is no 16-bit number followed by its unit.
    bool ReadAll();

    // DefaultTimeTarget
    void TakeDefaultPart(int part, const std::string& text) override;
    void TakeDefaultTime(const std::string& hour, const std::string& minute,
                         const std::string& second) override;

private:
    ComboBox& Combo(int index) const { return *combos_[static_cast<std::size_t>(index)]; }
    void ParseInto(int index);
    void FillDayList();

    std::array<ComboBox*, 6> combos_;
    Label& target_;
    ScheduleState& state_;
    Clock& clock_;
};

} // namespace tarvenel
