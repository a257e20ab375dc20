#pragma once
// The local wall clock and the locale's way of writing dates and times.
#include <string>

#include "scheduler/date_time.h"

namespace tarvenel {

class Clock {
public:
    virtual ~Clock() = default;
    // Current local date and time, whole seconds.
    virtual CivilDateTime Now() = 0;
};

class DateTimeText {
public:
    virtual ~DateTimeText() = default;
    // The user's short date form, for example 2026/12/7.
    virtual std::string ShortDate(int year, int month, int day) = 0;
    // The user's long time form, for example 8:05:03.
    virtual std::string LongTime(int hour, int minute, int second) = 0;
};

// The general date-time form: short date, a blank, long time; a value at
// exactly midnight shows the date alone.
std::string GeneralDateText(DateTimeText& text, DateTimeValue value);

} // namespace tarvenel
