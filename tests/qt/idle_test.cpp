// What keeps the idle program asleep: the caret's blinking stops a while
// after the last input, and the clock ticks on the wall clock's seconds.
#include <QDateTime>
#include <QGuiApplication>
#include <QLineEdit>
#include <QStyleHints>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

#include "platform/qt/caret_rest.h"
#include "platform/qt/widgets.h"

namespace tarvenel::qt {
namespace {

int MsIntoSecond() {
    return static_cast<int>(QDateTime::currentMSecsSinceEpoch() % 1000);
}

TEST(CaretRest, StopsTheBlinkingAfterTheTimeOutAndInputStartsItAgain) {
    QStyleHints* hints = QGuiApplication::styleHints();
    hints->setCursorFlashTime(1000);
    QLineEdit field;
    field.show();
    {
        CaretRest caret(100);
        EXPECT_FALSE(caret.Resting());
        QTest::qWait(250);
        EXPECT_TRUE(caret.Resting());
        EXPECT_EQ(hints->cursorFlashTime(), 0); // lit, not blinking

        for (auto input : {+[](QLineEdit& f) { QTest::keyClick(&f, Qt::Key_A); },
                           +[](QLineEdit& f) { QTest::mouseClick(&f, Qt::LeftButton); }}) {
            input(field);
            EXPECT_FALSE(caret.Resting());
            EXPECT_EQ(hints->cursorFlashTime(), 1000);
            QTest::qWait(250);
            EXPECT_TRUE(caret.Resting());
        }
    }
    EXPECT_EQ(hints->cursorFlashTime(), 1000); // given back when it goes
}

TEST(TimerAdapter, TheClockTicksJustAfterEachSecondBeginsUntilSwitchedOff) {
    // Started half-way through a second, a timer with its own rhythm would
    // tick half-way through the next ones.
    while (MsIntoSecond() < 400 || MsIntoSecond() > 600)
        QTest::qWait(20);
    std::vector<int> ticks;
    TimerAdapter* self = nullptr;
    TimerAdapter clock(
        1000, true,
        [&] {
            ticks.push_back(MsIntoSecond());
            if (ticks.size() == 2)
                self->SetEnabled(false); // the handler may switch it off
        },
        TimerAdapter::Rhythm::WallClockSeconds);
    self = &clock;
    EXPECT_EQ(clock.Interval(), 1000);
    QTest::qWait(3300);
    ASSERT_EQ(ticks.size(), 2u);
    for (int ms : ticks)
        EXPECT_LT(ms, 150) << "a tick came " << ms << " ms into its second";
    EXPECT_FALSE(clock.Enabled());
}

} // namespace
} // namespace tarvenel::qt
