// What keeps the idle program asleep, on a real Qt window: the caret's
// blinking stops a while after the last input, and the clock ticks on the
// wall clock's seconds.
#include <QComboBox>
#include <QDateTime>
#include <QGuiApplication>
#include <QLineEdit>
#include <QStyleHints>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

#include "app/caret_timeout.h"
#include "app/form_host.h"
#include "platform/qt/native_form.h"

namespace tarvenel::qt {
namespace {

int MsIntoSecond() {
    return static_cast<int>(QDateTime::currentMSecsSinceEpoch() % 1000);
}

TEST(IdleForm, TheCaretRestsLitAfterTheTimeOutAndInputStartsItBlinkingAgain) {
    QStyleHints* hints = QGuiApplication::styleHints();
    hints->setCursorFlashTime(1000);
    auto resting = [&] { return hints->cursorFlashTime() == 0; }; // lit, not blinking
    {
        QtForm window(QtForm::Frame::Skinned);
        FormHost host(window);
        host.Declare({"Combo1", "1", "", {0, 0, 1000, 300}, 0}, ControlKind::List);
        host.MakeAll();
        host.FormView().Show();
        EXPECT_FALSE(resting());
        ASSERT_TRUE(QTest::qWaitFor(resting, kCaretBlinkTimeoutMs + 3000));

        auto* field = static_cast<QComboBox*>(window.Widget("Combo1"))->lineEdit();
        for (auto input : {+[](QLineEdit& f) { QTest::keyClick(&f, Qt::Key_A); },
                           +[](QLineEdit& f) { QTest::mouseClick(&f, Qt::LeftButton); }}) {
            input(*field);
            EXPECT_FALSE(resting());
            EXPECT_EQ(hints->cursorFlashTime(), 1000);
            EXPECT_TRUE(QTest::qWaitFor(resting, kCaretBlinkTimeoutMs + 3000));
        }
    }
    EXPECT_EQ(hints->cursorFlashTime(), 1000); // given back when the window goes
}

TEST(IdleForm, TheClockTicksJustAfterEachSecondBeginsUntilSwitchedOff) {
    QtForm window(QtForm::Frame::Skinned);
    FormHost host(window);
    host.MakeAll();
    // Started half-way through a second, a timer with its own rhythm would
    // tick half-way through the next ones.
    ASSERT_TRUE(QTest::qWaitFor([] { return MsIntoSecond() > 400 && MsIntoSecond() < 600; }));
    std::vector<int> ticks;
    Timer* self = nullptr;
    Timer& clock = host.AddTimer(
        1000, true,
        [&] {
            ticks.push_back(MsIntoSecond());
            if (ticks.size() == 2)
                self->SetEnabled(false); // the handler may switch it off
        },
        FormHost::Rhythm::WallClockSeconds);
    self = &clock;
    EXPECT_EQ(clock.Interval(), 1000);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticks.size() == 2; }, 10000));
    QTest::qWait(1200); // no third tick once switched off
    ASSERT_EQ(ticks.size(), 2u);
    for (int ms : ticks)
        EXPECT_LT(ms, 350) << "a tick came " << ms << " ms into its second";
    EXPECT_FALSE(clock.Enabled());
}

} // namespace
} // namespace tarvenel::qt
