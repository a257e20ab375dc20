// The Qt countdown dialog over the core: its look, its keys and its ends.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include "platform/qt/native_form.h"
#include "power/end_form.h"
#include "power/frm_end_design.h"
#include "support/fake_controls.h"
#include "support/fake_services.h"

namespace tarvenel::qt {
namespace {

using namespace tarvenel::test;

// The dialog's Qt window and its widgets by their names.
struct EndDialog {
    EndForm& form;
    QtForm& Window() { return dynamic_cast<QtForm&>(form.Host().Native()); }
    QLabel& Number() { return *dynamic_cast<QLabel*>(Window().Widget("Label1")); }
    QPushButton& Command1() { return *dynamic_cast<QPushButton*>(Window().Widget("Command1")); }
    QPushButton& PowerButton(int i) {
        const auto name = frm_end_design::kPowerButtons[static_cast<std::size_t>(i)].design.name;
        return *dynamic_cast<QPushButton*>(Window().Widget(name));
    }
    Timer& CountdownTimer() { return form.Controls().Timer1; }
    bool isVisible() { return Window().isVisible(); }
    void close() { Window().close(); }
};

class CountdownDialogTest : public ::testing::Test {
protected:
    EndDialog Open() {
        launcher.SetRestoreTimer(mainTimer2);
        launcher.Show();
        QCoreApplication::processEvents();
        return Current();
    }
    EndDialog Current() { return {dynamic_cast<EndForm&>(*launcher.Current())}; }
    FrmEnd& Logic() { return *launcher.Logic(); }

    QString Recorded() const {
        QFile file(dryRun);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    static void Press(Qt::Key key) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QTest::keyClick(focus, key);
    }

    QTemporaryDir dir;
    QString dryRun = dir.path() + "/dry.txt";
    // Power requests only ever reach the dry-run file.
    DryRunRequester power{dryRun.toStdString()};
    FakeDialogs dialogs;
    FakeTimer mainTimer2{1, false};
    CountdownLauncher launcher{{power, dialogs},
                               [] { return std::make_unique<EndForm>(MakeCountdownForm()); }};
};

TEST_F(CountdownDialogTest, OpensOnTopWithTheBigRedNumberAndTheCancelButtonFocused) {
    EndDialog dialog = Open();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.Window().windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(dialog.Window().windowTitle(), "正在准备关机…");
    EXPECT_EQ(dialog.Window().size(), QSize(315, 112));
    EXPECT_EQ(dialog.Number().text(), "10");
    const QFont number = dialog.Number().font();
    EXPECT_EQ(number.pointSizeF(), 72.0);
    EXPECT_TRUE(number.bold());
    EXPECT_EQ(dialog.Number().palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_EQ(dialog.Command1().text(), "取消关机");
    EXPECT_EQ(dialog.Command1().geometry(), QRect(144, 16, 153, 81));
    EXPECT_EQ(QApplication::focusWidget(), &dialog.Command1());
    for (int i = 0; i < 4; ++i)
        EXPECT_FALSE(dialog.PowerButton(i).isVisible());
    EXPECT_TRUE(dialog.PowerButton(4).isVisible());
    EXPECT_GE(dialog.PowerButton(4).y(), dialog.Window().height()); // below the client area
    dialog.close();
}

TEST_F(CountdownDialogTest, TabReachesTheOffScreenPowerButtonWhichActsAtOnce) {
    EndDialog dialog = Open();
    Press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), &dialog.PowerButton(4));
    Press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), &dialog.Command1());
    Press(Qt::Key_Tab);
    Press(Qt::Key_Return);
    EXPECT_EQ(Recorded(), "ForcePowerOff 13\n");
    dialog.close();
}

TEST_F(CountdownDialogTest, EscapeCancelsFromAnyFocusAndHandsBackToTheMainWindow) {
    QPointer<QtForm> dialog = &Open().Window();
    Press(Qt::Key_Tab); // focus on the off-screen button
    Press(Qt::Key_Escape);
    EXPECT_TRUE(mainTimer2.enabled);
    EXPECT_EQ(launcher.Current(), nullptr); // unloaded
    EXPECT_TRUE(dialog.isNull() || !dialog->isVisible());
    EXPECT_EQ(Recorded(), "");
}

TEST_F(CountdownDialogTest, TheCloseBoxWhileCountingCancelsToo) {
    EndDialog dialog = Open();
    dialog.close();
    EXPECT_TRUE(mainTimer2.enabled);
    EXPECT_FALSE(dialog.CountdownTimer().Enabled());
}

TEST_F(CountdownDialogTest, TheEleventhTickPowersOffAndEscapeStillCancelsAfterwards) {
    EndDialog dialog = Open();
    EXPECT_TRUE(dialog.CountdownTimer().Enabled());
    for (int tick = 0; tick < 10; ++tick)
        Logic().Timer1_Timer();
    EXPECT_EQ(dialog.Number().text(), "0");
    EXPECT_EQ(Recorded(), "");
    Logic().Timer1_Timer();
    EXPECT_EQ(Recorded(), "ForcePowerOff 13\n");
    EXPECT_EQ(dialog.Window().windowTitle(), "正在关机…");
    EXPECT_EQ(dialog.Command1().text(), "再见！");
    EXPECT_FALSE(dialog.Command1().isEnabled());
    EXPECT_TRUE(dialog.isVisible());

    QTest::keyClick(&dialog.Window(), Qt::Key_Escape);
    EXPECT_TRUE(mainTimer2.enabled);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(CountdownDialogTest, AFiringWhileTheGoodbyeDialogIsUpCountsAfresh) {
    EndDialog first = Open();
    QPointer<QtForm> stale = &first.Window();
    for (int tick = 0; tick < 11; ++tick)
        Logic().Timer1_Timer();
    ASSERT_EQ(first.Command1().text(), "再见！");
    launcher.Show(); // the next target fires
    QCoreApplication::processEvents();
    EXPECT_TRUE(stale.isNull());
    EndDialog fresh = Current();
    EXPECT_TRUE(fresh.isVisible());
    EXPECT_EQ(fresh.Number().text(), "10");
    EXPECT_EQ(fresh.Command1().text(), "取消关机");
    EXPECT_TRUE(fresh.Command1().isEnabled());
    EXPECT_TRUE(fresh.CountdownTimer().Enabled());
    EXPECT_FALSE(mainTimer2.enabled);
    for (int tick = 0; tick < 11; ++tick)
        Logic().Timer1_Timer();
    EXPECT_EQ(Recorded(), "ForcePowerOff 13\nForcePowerOff 13\n");
}

TEST_F(CountdownDialogTest, TheMainWindowsCancelClosesTheDialogThroughItsUnloadPath) {
    EndDialog dialog = Open();
    Logic().Timer1_Timer();
    launcher.Close();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(dialog.CountdownTimer().Enabled());
    EXPECT_TRUE(mainTimer2.enabled);
    EXPECT_EQ(launcher.Current(), nullptr);
    EXPECT_EQ(Recorded(), "");
}

// The real timer, not the tests' own ticking: a step every two seconds.
TEST_F(CountdownDialogTest, TheNumberStepsDownEveryTwoSecondsOfTheClock) {
    EndDialog dialog = Open();
    QElapsedTimer clock;
    clock.start();
    auto until = [&](const char* shown) {
        while (dialog.Number().text() != shown && clock.elapsed() < 10000)
            QTest::qWait(10);
        return clock.elapsed();
    };
    const qint64 nine = until("9");
    const qint64 eight = until("8");
    ASSERT_EQ(dialog.Number().text(), "8");
    EXPECT_GE(eight - nine, 1950);
    EXPECT_LE(eight - nine, 3500); // a busy machine may hold a step up a little
    dialog.close();
}

TEST_F(CountdownDialogTest, EachShowingAfterAnUnloadCountsFromTen) {
    EndDialog first = Open();
    Logic().Timer1_Timer();
    EXPECT_EQ(first.Number().text(), "9");
    first.close();
    EndDialog second = Open();
    EXPECT_EQ(second.Number().text(), "10");
    second.close();
}

} // namespace
} // namespace tarvenel::qt
