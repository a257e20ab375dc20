#pragma once
// The scheduler's date-time value: a count of days since 1899-12-30 00:00 in
// local wall-clock time, the fraction being the time of day. The scheduler
// only ever holds whole seconds and compares values in whole seconds.
#include <cstdint>
#include <optional>

namespace tarvenel {

using DateTimeValue = double;

struct CivilDateTime {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;
    bool operator==(const CivilDateTime&) const = default;
};

// Days of a month as the selectors count them: February has 29 days in every
// year divisible by 4 (the year list only ever offers this year and the next).
// Months outside 1..12 have no days.
int DaysInMonth(int year, int month);

// Whether the six numbers form a real calendar date and time (years 100 to
// 9999, the proleptic Gregorian calendar, 0..23 h, 0..59 min, 0..59 s).
bool IsValid(const CivilDateTime& t);

// The value of a valid date and time; nothing for an invalid one.
std::optional<DateTimeValue> ToDateTimeValue(const CivilDateTime& t);

// The components of a value, rounded to the nearest second.
CivilDateTime ToCivil(DateTimeValue value);

// Whole seconds since 1899-12-30 00:00 (negative before it).
std::int64_t ToSeconds(DateTimeValue value);

// later - earlier in whole seconds (negative when "later" is in the past).
std::int64_t SecondsBetween(DateTimeValue earlier, DateTimeValue later);

} // namespace tarvenel
