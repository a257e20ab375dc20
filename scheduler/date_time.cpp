#include "scheduler/date_time.h"

#include <cmath>

namespace tarvenel {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

bool IsGregorianLeap(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int CalendarDays(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsGregorianLeap(year) ? 29 : kDays[month - 1];
}

// Days from 1970-01-01 to the given civil date (Howard Hinnant's algorithm).
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

CivilDateTime CivilFromDays(std::int64_t z) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    CivilDateTime t;
    t.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    t.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    t.year = static_cast<int>(yoe + era * 400 + (t.month <= 2));
    return t;
}

const std::int64_t kEpochDays = DaysFromCivil(1899, 12, 30);

} // namespace

int DaysInMonth(int year, int month) {
    switch (month) {
    case 1:
    case 3:
    case 5:
    case 7:
    case 8:
    case 10:
    case 12:
        return 31;
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    case 2:
        return year % 4 == 0 ? 29 : 28;
    default:
        return 0;
    }
}

bool IsValid(const CivilDateTime& t) {
    return t.year >= 100 && t.year <= 9999 && t.month >= 1 && t.month <= 12 && t.day >= 1 &&
           t.day <= CalendarDays(t.year, t.month) && t.hour >= 0 && t.hour <= 23 && t.minute >= 0 &&
           t.minute <= 59 && t.second >= 0 && t.second <= 59;
}

std::optional<DateTimeValue> ToDateTimeValue(const CivilDateTime& t) {
    if (!IsValid(t))
        return std::nullopt;
    const std::int64_t days =
        DaysFromCivil(t.year, static_cast<unsigned>(t.month), static_cast<unsigned>(t.day)) -
        kEpochDays;
    const std::int64_t seconds = t.hour * 3600 + t.minute * 60 + t.second;
    return static_cast<double>(days) + static_cast<double>(seconds) / kSecondsPerDay;
}

std::int64_t ToSeconds(DateTimeValue value) {
    return static_cast<std::int64_t>(std::llround(value * kSecondsPerDay));
}

CivilDateTime ToCivil(DateTimeValue value) {
    const std::int64_t total = ToSeconds(value);
    std::int64_t days = total / kSecondsPerDay;
    std::int64_t rest = total % kSecondsPerDay;
    if (rest < 0) {
        rest += kSecondsPerDay;
        --days;
    }
    CivilDateTime t = CivilFromDays(days + kEpochDays);
    t.hour = static_cast<int>(rest / 3600);
    t.minute = static_cast<int>(rest / 60 % 60);
    t.second = static_cast<int>(rest % 60);
    return t;
}

std::int64_t SecondsBetween(DateTimeValue earlier, DateTimeValue later) {
    return ToSeconds(later) - ToSeconds(earlier);
}

} // namespace tarvenel
