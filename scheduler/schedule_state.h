#pragma once
#include <cstdint>

#include "scheduler/date_time.h"

namespace tarvenel {

// The main window's schedule: options, preset default time, the selected
// target and the armed target. Everything starts at 0. Option flags count as
// on only when exactly 1.
struct ScheduleState {
    std::int16_t MsgOKFlag = 0;
    std::int16_t AutoOKFlag = 0;
    std::int16_t GuDingTimeFlag = 0;
    std::int16_t GuDingHour = 0;
    std::int16_t GuDingMinute = 0;
    std::int16_t GuDingSecond = 0;
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
