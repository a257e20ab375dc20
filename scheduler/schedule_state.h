#pragma once
#include <cstdint>

#include "preferences/option_switches.h"
#include "scheduler/date_time.h"

namespace tarvenel {

// The main window's schedule: the options and preset default time, the
// selected target and the armed target. Everything starts at 0.
struct ScheduleState : OptionFlags {
    std::int16_t SetYear = 0;
    std::int16_t SetMonth = 0;
    std::int16_t SetDay = 0;
    std::int16_t SetHour = 0;
    std::int16_t SetMinute = 0;
    std::int16_t SetSecond = 0;
    bool IsArmed = false;
    DateTimeValue ShutTime = 0;
};

} // namespace tarvenel
