// Where the Linux main window puts things: its labels drawn whole, its
// placement and shape at show, the keyboard's path through it.
#include <QApplication>
#include <QEnterEvent>
#include <QFontMetrics>
#include <QLineEdit>
#include <QScreen>

#include "main_window_fixture.h"
#include "platform/qt/desktop_services.h"
#include "preferences/links.h"

namespace tarvenel::qt {
namespace {

using namespace tarvenel::test;

// --- Labels

// True when some pixel in the columns [left, right) of the label's row
// differs from the background at the label's top-left corner.
bool InkIn(const QImage& shot, const QRect& label, int left, int right) {
    const QColor background = shot.pixelColor(label.left(), label.top());
    for (int x = left; x < right; ++x)
        for (int y = label.top(); y <= label.bottom(); ++y)
            if (shot.pixelColor(x, y) != background)
                return true;
    return false;
}

TEST_F(MainWindowTest, TheTimeLinesAndTheCreditLineAreDrawnWhole) {
    Load({2026, 12, 31, 23, 59, 59}); // the longest clock and target lines
    const QImage shot = window.grab().toImage();
    for (QLabel* line : {&window.Label0(), &window.Label1(), &window.LbBR()}) {
        const QFontMetrics metrics(line->font());
        const int width = metrics.horizontalAdvance(line->text());
        const int last = metrics.horizontalAdvance(line->text().right(1));
        const QRect area = line->geometry();
        ASSERT_GE(area.width(), width) << line->text().toStdString();
        // Left-aligned time lines end at left + width; the credit line is as
        // wide as its text.
        const int end = area.left() + width;
        EXPECT_TRUE(InkIn(shot, area, end - last, end)) << line->text().toStdString();
    }
    EXPECT_EQ(window.LbBR().width(),
              QFontMetrics(window.LbBR().font()).horizontalAdvance(window.LbBR().text()));
    EXPECT_EQ(window.LbBR().geometry().right() + 1, 376 - 8); // Width - width - 120 twips
}

TEST_F(MainWindowTest, OnlyTheCreditTextIsALinkTheRestOfTheBarDrags) {
    Load();
    const QPoint bar(window.LbBR().x() - 20, window.LbBR().y() + 5);
    QTest::mousePress(&window, Qt::LeftButton, {}, bar);
    EXPECT_EQ(QWidget::mouseGrabber(), &window); // moving the window by hand
    QTest::mouseRelease(&window, Qt::LeftButton, {}, bar);
    EXPECT_TRUE(urls.opened.empty());
    Click(window.LbBR(), Qt::LeftButton, QPoint(2, 5));
    EXPECT_EQ(urls.opened, std::vector<std::string>{kMakerHomeUrl});
}

// --- The window

TEST_F(MainWindowTest, TheWindowAppearsPlacedAndShaped) {
    struct AtShow : QObject {
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Show && !shown) {
                shown = true;
                pos = window->pos();
                masked = !window->mask().isEmpty();
            }
            return false;
        }
        QWidget* window = nullptr;
        bool shown = false;
        bool masked = false;
        QPoint pos;
    } atShow;
    atShow.window = &window;
    window.installEventFilter(&atShow);
    Load();
    window.removeEventFilter(&atShow);
    ASSERT_TRUE(atShow.shown);
    EXPECT_EQ(atShow.pos, QPoint((800 - 376) / 2, (600 - 216) / 2));
    EXPECT_TRUE(atShow.masked);
}

TEST_F(MainWindowTest, TheKeyboardStartsOnTheYearAndTabsInScreenOrder) {
    Load();
    window.activateWindow();
    QCoreApplication::processEvents();
    EXPECT_EQ(window.focusWidget(), &window.Combo(1));
    std::vector<QWidget*> expected;
    for (int i = 1; i <= 6; ++i)
        expected.push_back(&window.Combo(i));
    expected.push_back(&window.XPButton(1)); // 取 消 is disabled while idle
    expected.push_back(&window.XPButton(3));
    for (int i = 1; i <= 4; ++i)
        expected.push_back(&window.Check(i));
    for (int i = 7; i <= 9; ++i)
        expected.push_back(&window.Combo(i));
    expected.push_back(&window.Combo(1)); // and round again
    window.Combo(1).setFocus();
    for (std::size_t i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), expected[i]) << "stop " << i;
    }
}

TEST_F(MainWindowTest, TheIconBringsADraggedWindowBackWhereItWas) {
    Load();
    window.move(window.pos() + QPoint(60, 40)); // dragged
    const QPoint dragged = window.pos();
    window.Hide();
    window.TrayLeftClick();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.pos(), dragged);
}

// The lists' fields are made just after the first paint; until then a
// stand-in draws them. The user must not see the change, and a list
// reached before then has its field at once.
TEST_F(MainWindowTest, TheListsLookTheSameBeforeAndAfterTheirFieldsAreMade) {
    screen.width = 800 * 15;
    screen.height = 600 * 15;
    clock.Set({2026, 12, 7, 9, 0, 0});
    window.Logic().Form_Load();
    QComboBox& month = window.Combo(2);
    QComboBox& hour = window.Combo(7);
    ASSERT_EQ(month.lineEdit(), nullptr);
    const QImage before = month.grab().toImage();
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(&hour, &enter);
    ASSERT_NE(hour.lineEdit(), nullptr); // the pointer reached it first
    EXPECT_EQ(hour.lineEdit()->text(), "23时");

    ASSERT_TRUE(QTest::qWaitFor([&] { return month.lineEdit() != nullptr; }));
    EXPECT_EQ(month.lineEdit()->text(), "12月");
    EXPECT_EQ(month.grab().toImage(), before);
    // in the form's font, like the entries, not the toolkit's default
    EXPECT_EQ(month.lineEdit()->font().family(), window.font().family());
}

// --- Two monitors, the primary one on the right (run by CTest with
// two_screens.json as the offscreen platform's configuration, whose screen
// named first is the primary one)

TEST(TwoScreens, TheWindowOpensAndComesBackOnThePrimaryMonitor) {
    ASSERT_EQ(QGuiApplication::screens().size(), 2);
    const QRect primary = QGuiApplication::primaryScreen()->geometry();
    ASSERT_EQ(primary, QRect(1280, 0, 1366, 768));
    FakeClock clock;
    FakeDateText dateText;
    FakeSettings settings;
    FakeDialogs dialogs;
    FakeStartupList startup;
    FakeNotifyIcon notifyIcon;
    FakeCountdown countdown;
    FakeUrlOpener urls;
    FakeExit exit;
    PrimaryScreen screen;
    TestWindow window(
        SystemServices{clock, dateText, settings, dialogs, startup, countdown, urls, exit, screen},
        notifyIcon);
    clock.Set({2026, 12, 7, 9, 0, 0});
    window.Logic().Form_Load();
    QCoreApplication::processEvents();
    // Centred in twips, as the form computes it: halves truncate.
    const QPoint centred(1280 + TwipsToPixels((1366 * 15 - 5640) / 2),
                         TwipsToPixels((768 * 15 - 3240) / 2));
    EXPECT_EQ(window.pos(), centred);
    EXPECT_EQ(window.screen(), QGuiApplication::primaryScreen());

    // Back from the taskbar: the resize puts it where it was stored.
    Form& form = window.Form().Host().FormView();
    form.SetWindowState(WindowState::Minimised);
    QCoreApplication::processEvents();
    form.Restore();
    QCoreApplication::processEvents();
    EXPECT_EQ(window.pos(), centred);
    // A stored place off the primary monitor's right edge is pulled back to
    // that monitor's edge, not the desktop's.
    window.move(primary.right() - 100, 100);
    window.Logic().Form_Resize();
    EXPECT_EQ(window.pos(), centred);
}

// --- The buttons

TEST_F(MainWindowTest, AButtonPaintsAfreshWhenTheWindowAsksAndSitsOnTheWhiteForm) {
    Load();
    FormDrawn& reset = window.XPButton(3);
    XPButton& button = window.Button(3);
    EXPECT_EQ(button.ContainerColour(), 0xFFFFFFu);
    button.HoldDrawing(true);
    button.SetCaption("X");
    const QImage held = reset.Face().copy();
    reset.repaint(); // the paint notification ends the delay
    EXPECT_NE(reset.Face(), held);
    button.SetCaption("Y"); // and drawing goes on at once afterwards
    EXPECT_NE(reset.Face(), held);
}

} // namespace
} // namespace tarvenel::qt
