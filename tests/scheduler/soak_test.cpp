// Seven days of the program running, one tick a second, with a shutdown
// armed and then cancelled or fired and cancelled every few hours: nothing
// the window holds grows from one day to the next.
#include <gtest/gtest.h>

#include <vector>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "support/main_window_harness.h"

#if defined(__SANITIZE_ADDRESS__)
#define TARVENEL_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TARVENEL_ASAN 1
#endif
#endif

namespace tarvenel::test {
namespace {

// Bytes the heap has handed out and not had back; nothing where it cannot be
// measured (AddressSanitizer's heap, which LeakSanitizer checks instead).
long HeapInUse() {
#if defined(__GLIBC__) && !defined(TARVENEL_ASAN)
    return static_cast<long>(mallinfo2().uordblks);
#else
    return 0;
#endif
}

// What the window holds: every list's entries and every line's length.
std::vector<std::size_t> Sizes(const MainWindowHarness& h) {
    std::vector<std::size_t> sizes;
    for (const char* list :
         {"Combo1", "Combo2", "Combo3", "Combo4", "Combo5", "Combo6", "Combo7", "Combo8", "Combo9"})
        sizes.push_back(h[list].entries.size());
    for (const char* line : {"Label0", "Label1", "LbBR"})
        sizes.push_back(h[line].text.size());
    sizes.push_back(h.settings.values.size());
    sizes.push_back(h.notifyIcon.tip.size());
    return sizes;
}

// One six-hour cycle: reset the lists, arm two hours ahead, then either
// cancel after an hour or let it fire and cancel the countdown.
void Cycle(MainWindowHarness& h, bool fire) {
    h.frm.ResetSelectors();
    const CivilDateTime t = ToCivil(h.clock.now + 2 / 24.0);
    h.TypeTarget(t);
    h.frm.ArmSchedule();
    ASSERT_TRUE(h.frm.State().IsArmed);
    if (fire) {
        h.RunClock(2 * 3600);
        ASSERT_FALSE(h.ClockRunning());
        h.Timer2.SetEnabled(true); // the countdown's cancel
        h.frm.RestoreAfterCancel();
    } else {
        h.RunClock(3600);
        h.form.Show(); // restored from the icon
        h.frm.CancelSchedule();
    }
    ASSERT_FALSE(h.frm.State().IsArmed);
    h.RunClock(6 * 3600 - (fire ? 2 * 3600 : 3600));
    h.dialogs.shown.clear(); // the fake's own record of the confirmations
}

TEST(Soak, SevenDaysOfTicksArmingAndCancellingGrowNothing) {
    MainWindowHarness h;
    h.LoadAt({2026, 12, 1, 0, 0, 0});
    for (int cycle = 0; cycle < 4; ++cycle) // the first day settles every size
        Cycle(h, cycle % 2 == 0);
    const std::vector<std::size_t> firstDay = Sizes(h);
    const long heapAfterFirstDay = HeapInUse();
    for (int cycle = 4; cycle < 7 * 4; ++cycle)
        Cycle(h, cycle % 2 == 0);

    EXPECT_EQ(h.countdown.shown, 7 * 2);
    EXPECT_EQ(h["Label0"].text, "当前电脑时间：2026年12月8日0时0分0秒");
    EXPECT_EQ(Sizes(h), firstDay);
    EXPECT_LE(HeapInUse(), heapAfterFirstDay + 16 * 1024);
}

} // namespace
} // namespace tarvenel::test
