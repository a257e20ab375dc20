#include "scheduler/clock.h"

namespace tarvenel {

std::string GeneralDateText(DateTimeText& text, DateTimeValue value) {
    const CivilDateTime t = ToCivil(value);
    std::string result = text.ShortDate(t.year, t.month, t.day);
    if (t.hour != 0 || t.minute != 0 || t.second != 0)
        result += " " + text.LongTime(t.hour, t.minute, t.second);
    return result;
}

} // namespace tarvenel
