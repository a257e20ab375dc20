// The trigger against a wall clock that jumps: daylight-saving changes in
// real time zones (the system's time-zone data, so Linux only), the clock set
// back or forward while armed, and a machine that sleeps past the target.
// The system clock runs in UTC; every tick reads it as local time, as the
// front ends' clocks do.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <ostream>
#include <string>
#include <vector>

#include "support/main_window_harness.h"

namespace tarvenel::test {
namespace {

// What happens to the system clock after arming, in order.
struct Step {
    enum Kind { Run, Jump, Cancel } kind; // Run: seconds of ticks; Jump: set the clock
    long seconds = 0;                     // (also a sleep: time passes without ticks)
};

struct Case {
    const char* name;
    const char* zone;
    std::tm startUtc; // when the user arms (year - 1900, month 0-based, as std::tm)
    CivilDateTime target;
    std::vector<Step> steps;
    const char* firedAt; // the clock line when the countdown opens; empty: refused
    int fired;           // countdowns opened in all
    const char* lastLine;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

std::tm Utc(int y, int mo, int d, int h, int mi, int s) {
    std::tm t{};
    t.tm_year = y - 1900;
    t.tm_mon = mo - 1;
    t.tm_mday = d;
    t.tm_hour = h;
    t.tm_min = mi;
    t.tm_sec = s;
    return t;
}

CivilDateTime LocalTime(std::time_t utc) {
    std::tm t{};
    localtime_r(&utc, &t);
    return {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec};
}

std::string ClockLine(const char* text) {
    return std::string("当前电脑时间：") + text;
}

// The zone for one test, and the one before put back afterwards.
class Zone {
public:
    explicit Zone(const char* name) {
        if (const char* old = std::getenv("TZ"))
            old_ = old;
        setenv("TZ", name, 1);
        tzset();
    }
    ~Zone() {
        if (old_.empty())
            unsetenv("TZ");
        else
            setenv("TZ", old_.c_str(), 1);
        tzset();
    }

private:
    std::string old_;
};

class ClockJumps : public testing::TestWithParam<Case> {};

TEST_P(ClockJumps, FireOnceAtTheRightMomentWithTheClockLineRight) {
    const Case& c = GetParam();
    Zone zone(c.zone);
    std::tm start = c.startUtc;
    std::time_t utc = timegm(&start);

    MainWindowHarness h;
    h.settings.Seed("MsgOK", "0");
    h.LoadAt(LocalTime(utc));
    h.TypeTarget(c.target);
    h.frm.ArmSchedule();
    ASSERT_EQ(h.frm.State().IsArmed, *c.firedAt != '\0') << h.LastMessage();

    std::string firedLine;
    for (const Step& step : c.steps) {
        if (step.kind == Step::Cancel) {
            ASSERT_EQ(h.countdown.shown, 1) << "nothing to cancel";
            h.Timer2.SetEnabled(true); // what the countdown's cancel does
            h.frm.RestoreAfterCancel();
            continue;
        }
        if (step.kind == Step::Jump) {
            utc += step.seconds;
            h.clock.Set(LocalTime(utc));
            continue;
        }
        for (long i = 0; i < step.seconds; ++i) {
            h.clock.Set(LocalTime(++utc));
            const int before = h.countdown.shown;
            if (h.ClockRunning())
                h.frm.ClockTick();
            if (h.countdown.shown > before && firedLine.empty())
                firedLine = h["Label0"].text;
        }
    }
    EXPECT_EQ(firedLine, *c.firedAt ? ClockLine(c.firedAt) : "");
    EXPECT_EQ(h.countdown.shown, c.fired);
    EXPECT_EQ(h["Label0"].text, ClockLine(c.lastLine));
}

// Berlin: summer time 2026-03-29 01:00 UTC (02:00 → 03:00), winter time
// 2026-10-25 01:00 UTC (03:00 → 02:00). New York: 2026-03-08 07:00 UTC
// (02:00 → 03:00) and 2026-11-01 06:00 UTC (02:00 → 01:00).
const Case kCases[] = {
    // A target in the skipped hour fires when the clock jumps over it.
    {"BerlinSkippedHour",
     "Europe/Berlin",
     Utc(2026, 3, 29, 0, 59, 0),
     {2026, 3, 29, 2, 30, 0},
     {{Step::Run, 59}, {Step::Run, 1}, {Step::Run, 120}},
     "2026年3月29日3时0分0秒",
     1,
     "2026年3月29日3时0分0秒"},
    {"NewYorkSkippedHour",
     "America/New_York",
     Utc(2026, 3, 8, 6, 58, 30),
     {2026, 3, 8, 2, 15, 0},
     {{Step::Run, 300}},
     "2026年3月8日3时0分0秒",
     1,
     "2026年3月8日3时0分0秒"},
    // A target in the repeated hour fires in its first pass and, once the
    // countdown is cancelled, never again in the second; the clock line
    // goes through the hour twice.
    {"BerlinRepeatedHour",
     "Europe/Berlin",
     Utc(2026, 10, 24, 23, 59, 0),
     {2026, 10, 25, 2, 30, 0},
     {{Step::Run, 31 * 60}, {Step::Cancel}, {Step::Run, 2 * 3600}},
     "2026年10月25日2时30分0秒",
     1,
     "2026年10月25日3时30分0秒"},
    {"NewYorkRepeatedHour",
     "America/New_York",
     Utc(2026, 11, 1, 4, 59, 0),
     {2026, 11, 1, 1, 30, 0},
     {{Step::Run, 31 * 60}, {Step::Cancel}, {Step::Run, 3600}},
     "2026年11月1日1时30分0秒",
     1,
     "2026年11月1日1时30分0秒"},
    // Armed in the second pass of the hour: fires in that pass.
    {"BerlinSecondPass",
     "Europe/Berlin",
     Utc(2026, 10, 25, 1, 10, 0),
     {2026, 10, 25, 2, 40, 0},
     {{Step::Run, 30 * 60}},
     "2026年10月25日2时40分0秒",
     1,
     "2026年10月25日2时40分0秒"},
    // In the first pass a time already shown on the clock is in the past,
    // though it comes again: refused, as the user sees it.
    {"BerlinFirstPassPastTarget",
     "Europe/Berlin",
     Utc(2026, 10, 25, 0, 50, 0),
     {2026, 10, 25, 2, 20, 0},
     {{Step::Run, 3600}},
     "",
     0,
     "2026年10月25日2时50分0秒"},
    // The clock set back an hour while armed: waits for the target again.
    {"ClockSetBackAnHour",
     "Europe/Berlin",
     Utc(2026, 12, 7, 9, 0, 0),
     {2026, 12, 7, 10, 10, 0},
     {{Step::Run, 300}, {Step::Jump, -3600}, {Step::Run, 3600 + 299}, {Step::Run, 1}},
     "2026年12月7日10时10分0秒",
     1,
     "2026年12月7日10时10分0秒"},
    // Forward a day: the next tick fires, and reads the new day.
    {"ClockSetForwardADay",
     "America/New_York",
     Utc(2026, 12, 7, 15, 0, 0),
     {2026, 12, 7, 10, 10, 0},
     {{Step::Run, 60}, {Step::Jump, 86400}, {Step::Run, 5}},
     "2026年12月8日10时1分1秒",
     1,
     "2026年12月8日10时1分1秒"},
    // The machine sleeps through the target: the first tick after waking.
    {"SleepPastTheTarget",
     "Europe/Berlin",
     Utc(2026, 12, 7, 22, 0, 0),
     {2026, 12, 7, 23, 30, 0},
     {{Step::Run, 10}, {Step::Jump, 5 * 3600}, {Step::Run, 3}},
     "2026年12月8日4时0分11秒",
     1,
     "2026年12月8日4时0分11秒"},
};

INSTANTIATE_TEST_SUITE_P(, ClockJumps, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tarvenel::test
