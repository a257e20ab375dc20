// The Qt main window over the core: the widgets mirror the core's controls,
// user input reaches the right handlers, the shape and pictures are right.
#include <QAbstractItemView>
#include <QLineEdit>

#include "app/version.h"
#include "main_window_fixture.h"
#include "platform/qt/pictures.h"
#include "preferences/links.h"

namespace tarvenel::qt {
namespace {

using namespace tarvenel::test;

TEST_F(MainWindowTest, LoadingShowsTheCoresStateInTheNativeWidgets) {
    Load();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.size(), QSize(376, 216));
    EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(window.windowTitle().toStdString(), TitleWithVersion());
    // Centred on the screen.
    EXPECT_EQ(window.pos(), QPoint((800 - 376) / 2, (600 - 216) / 2));

    EXPECT_EQ(window.Label0().text(), "当前电脑时间：2026年12月7日9时0分0秒");
    EXPECT_EQ(window.Label1().text(), "设定关机时间：2026年12月7日9时0分0秒");
    EXPECT_EQ(window.LbBR().text(), kCreditLine);
    EXPECT_EQ(window.Combo(1).count(), 2);
    EXPECT_EQ(window.Combo(1).itemText(1), "2027年");
    EXPECT_EQ(window.Combo(2).currentText(), "12月");
    EXPECT_EQ(window.Combo(3).count(), 31);
    EXPECT_EQ(window.Combo(6).currentText(), "0秒");
    EXPECT_EQ(window.Combo(7).currentText(), "23时");
    EXPECT_EQ(window.Combo(9).count(), 60);
    EXPECT_EQ(window.Combo(4).toolTip(), "设定关机时间（时）");
    EXPECT_EQ(window.Combo(8).toolTip(), "设置默认时间（分）");
    EXPECT_TRUE(window.Combo(1).isEditable());

    EXPECT_FALSE(window.Check(1).isChecked());
    EXPECT_TRUE(window.Check(2).isChecked()); // MsgOK defaults to on
    EXPECT_FALSE(window.Check(3).isChecked());
    EXPECT_EQ(window.Check(4).text(), "预先设置为默认关机时间  →");

    EXPECT_EQ(window.Button(1).Caption(), "确 定");
    EXPECT_EQ(window.XPButton(1).toolTip(), "确定开始运行定时关机");
    EXPECT_TRUE(window.XPButton(1).isEnabled());
    EXPECT_FALSE(window.XPButton(2).isEnabled());
    EXPECT_TRUE(window.Image1().isHidden());
    EXPECT_EQ(window.Immin().toolTip(), "最小化");
    EXPECT_EQ(window.Imclose().toolTip(), "关闭");
}

TEST_F(MainWindowTest, ControlsSitWhereTheFormPutsThem) {
    Load();
    EXPECT_EQ(window.Combo(1).geometry(), QRect(16, 72, 65, 20));
    EXPECT_EQ(window.Combo(9).geometry(), QRect(304, 165, 49, 20));
    EXPECT_EQ(window.Check(4).geometry(), QRect(16, 168, 185, 20));
    EXPECT_EQ(window.Image1().geometry(), QRect(256, 37, 53, 29));
    EXPECT_EQ(window.Label2().geometry().topLeft(), QPoint(312, 37));
    // The resize handler moves the caption images and the credit to the edges.
    EXPECT_EQ(window.Immin().pos(), QPoint(334, 5));
    EXPECT_EQ(window.Imclose().pos(), QPoint(355, 5));
    EXPECT_EQ(window.LbBR().geometry().right() + 1, 376 - 8);
    EXPECT_EQ(window.LbBR().geometry().bottom() + 1, 216 - 5);
    EXPECT_EQ(window.LbBR().palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(window.Label1().palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_EQ(window.Label2().palette().color(QPalette::WindowText), QColor(Qt::blue));
}

TEST_F(MainWindowTest, TheMaskCutsTheCornersAndTheSkinIsPainted) {
    Load();
    const QRegion mask = window.mask();
    for (QPoint outside : {QPoint(0, 0), QPoint(375, 0), QPoint(0, 215), QPoint(375, 215)})
        EXPECT_FALSE(mask.contains(outside)) << outside.x() << "," << outside.y();
    for (QPoint inside : {QPoint(5, 0), QPoint(0, 5), QPoint(188, 108), QPoint(370, 210)})
        EXPECT_TRUE(mask.contains(inside)) << inside.x() << "," << inside.y();

    const QImage shot = window.grab().toImage();
    ASSERT_EQ(shot.size(), QSize(376, 216));
    const QColor caption = shot.pixelColor(200, 12); // the caption bar
    EXPECT_GT(caption.blue(), caption.red() + 60);
    const QColor bottom = shot.pixelColor(100, 205); // the bottom bar
    EXPECT_GT(bottom.blue(), bottom.red() + 60);
    EXPECT_EQ(shot.pixelColor(360, 96), QColor(Qt::white)); // the white interior
    // The caption text is printed in white on the blue bar.
    bool white = false;
    for (int x = 28; x < 120 && !white; ++x)
        for (int y = 6; y < 20 && !white; ++y)
            white = shot.pixelColor(x, y).lightness() > 230;
    EXPECT_TRUE(white);
}

TEST_F(MainWindowTest, TheButtonsShowTheCoresPaintedFaceInsideTheirRegion) {
    Load();
    FormDrawn& arm = window.XPButton(1);
    EXPECT_EQ(arm.size(), QSize(81, 27));
    const QRegion mask = arm.mask();
    EXPECT_FALSE(mask.contains(QPoint(0, 0))); // rounded corners
    EXPECT_TRUE(mask.contains(QPoint(40, 13)));
    ASSERT_EQ(arm.Face().size(), arm.size());
    const QImage shown = arm.grab().toImage();
    EXPECT_EQ(shown.pixelColor(40, 3), arm.Face().pixelColor(40, 3));
    // A new size lays the button out again, face and outline.
    arm.resize(101, 27);
    EXPECT_EQ(arm.Face().size(), QSize(101, 27));
    EXPECT_TRUE(arm.mask().contains(QPoint(95, 13)));
    // Enabling the cancel button repaints it in the enabled look.
    FormDrawn& cancel = window.XPButton(2);
    const QImage disabled = cancel.Face();
    window.Button(2).SetEnabled(true);
    EXPECT_TRUE(cancel.isEnabled());
    EXPECT_NE(cancel.Face(), disabled);
}

TEST_F(MainWindowTest, ChoosingAnEntryRunsTheClickHandlerButTypingDoesNot) {
    Load();
    QComboBox& month = window.Combo(2);
    month.setFocus();
    QTest::keyClick(&month, Qt::Key_Up); // 12月 -> 11月, chosen with the keyboard
    EXPECT_EQ(month.currentText(), "11月");
    EXPECT_EQ(window.Label1().text(), "设定关机时间：2026年11月7日9时0分0秒");
    EXPECT_EQ(window.Combo(3).count(), 30); // November's days

    QComboBox& second = window.Combo(6);
    second.lineEdit()->selectAll();
    QTest::keyClicks(second.lineEdit(), "45");
    EXPECT_EQ(second.currentText(), "45");
    EXPECT_EQ(window.Label1().text(), "设定关机时间：2026年11月7日9时0分0秒");

    // Typed text that matches an entry is no choice either, whether the user
    // presses Enter or leaves the field.
    QComboBox& hourTyped = window.Combo(4);
    hourTyped.setFocus();
    hourTyped.lineEdit()->selectAll();
    hourTyped.lineEdit()->insert("5时"); // typed (keyClicks knows no Chinese)
    QTest::keyClick(hourTyped.lineEdit(), Qt::Key_Return);
    EXPECT_EQ(window.Label1().text(), "设定关机时间：2026年11月7日9时0分0秒");
    month.setFocus();
    month.lineEdit()->selectAll();
    month.lineEdit()->insert("2月"); // typed (keyClicks knows no Chinese)
    QTest::keyClick(month.lineEdit(), Qt::Key_Tab);
    EXPECT_EQ(window.Combo(3).count(), 30); // still November's days
    QComboBox& defaultHour = window.Combo(7);
    defaultHour.setFocus();
    defaultHour.lineEdit()->selectAll();
    defaultHour.lineEdit()->insert("5时"); // typed (keyClicks knows no Chinese)
    QTest::keyClick(defaultHour.lineEdit(), Qt::Key_Return);
    EXPECT_EQ(settings.writes, 0);
    month.setEditText("11月");

    // Chosen with the mouse in the open list.
    QComboBox& hour = window.Combo(4);
    hour.showPopup();
    QAbstractItemView* list = hour.view();
    const QRect item = list->visualRect(list->model()->index(5, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
    EXPECT_EQ(hour.currentText(), "5时");
    EXPECT_EQ(window.Label1().text(), "设定关机时间：2026年11月7日5时0分45");
}

TEST_F(MainWindowTest, OptionBoxesActOnTheMouseReleaseOverThem) {
    Load();
    QCheckBox& autoArm = window.Check(3);
    Click(autoArm, Qt::LeftButton);
    EXPECT_TRUE(autoArm.isChecked());
    EXPECT_EQ(settings.Stored("AutoOK"), "1");
    EXPECT_EQ(LastMessage(), "已经启用“程序启动后自动开始运行”功能！");

    // The right button leaves the box alone but stores and confirms again.
    const int writes = settings.writes;
    Click(autoArm, Qt::RightButton);
    EXPECT_TRUE(autoArm.isChecked());
    EXPECT_EQ(settings.writes, writes + 1);
    EXPECT_EQ(dialogs.shown.size(), 2u);

    // Pressed inside, released outside: nothing.
    QTest::mousePress(&autoArm, Qt::LeftButton, {}, autoArm.rect().center());
    QTest::mouseRelease(&autoArm, Qt::LeftButton, {}, QPoint(autoArm.width() + 30, 5));
    EXPECT_TRUE(autoArm.isChecked());
    EXPECT_EQ(settings.writes, writes + 1);
    EXPECT_EQ(dialogs.shown.size(), 2u);

    // Pressed elsewhere, released over the box: nothing either.
    QTest::mousePress(&window, Qt::RightButton, {}, QPoint(200, 100));
    QTest::mouseRelease(&autoArm, Qt::RightButton, {}, autoArm.rect().center());
    EXPECT_EQ(settings.writes, writes + 1);

    // The whole box switches, not only its label.
    Click(autoArm, Qt::LeftButton, QPoint(autoArm.width() - 2, autoArm.height() / 2));
    EXPECT_FALSE(autoArm.isChecked());
    EXPECT_EQ(settings.Stored("AutoOK"), "0");

    // The space bar switches the option too, as a left click would.
    autoArm.setFocus();
    QTest::keyClick(&autoArm, Qt::Key_Space);
    EXPECT_TRUE(autoArm.isChecked());
    EXPECT_EQ(settings.Stored("AutoOK"), "1");
    EXPECT_EQ(LastMessage(), "已经启用“程序启动后自动开始运行”功能！");

    Click(window.Check(1), Qt::LeftButton);
    EXPECT_TRUE(startup.on);
    EXPECT_EQ(LastMessage(), "已经加入系统启动项！");
}

TEST_F(MainWindowTest, TheArmButtonRefusesTooSoonAndHidesTheWindowWhenArmed) {
    Load();
    ClickButton(window.XPButton(1));
    EXPECT_EQ(LastMessage(), "设定的关机时间必须在当前时间30秒以后！");
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.XPButton(1).isEnabled());
    EXPECT_TRUE(window.XPButton(1).hasFocus());
    EXPECT_TRUE(window.Button(1).VisualState().defaultLook); // focused: the default

    clock.Set({2026, 12, 7, 8, 59, 0}); // now the target is 60 s ahead
    ClickButton(window.XPButton(1));
    EXPECT_TRUE(notifyIcon.present);
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.XPButton(1).isEnabled());
    EXPECT_TRUE(window.XPButton(2).isEnabled());
    EXPECT_FALSE(window.Combo(5).isEnabled());
    EXPECT_FALSE(window.Image1().isHidden());
    EXPECT_NE(notifyIcon.tip.find("设定关机时间：2026年12月7日9时0分0秒"), std::string::npos);

    // The tray's left click brings the window back.
    window.TrayLeftClick();
    EXPECT_TRUE(window.isVisible());
    ClickButton(window.XPButton(2));
    EXPECT_FALSE(window.Logic().State().IsArmed);
    EXPECT_TRUE(window.Combo(5).isEnabled());
    EXPECT_TRUE(window.Image1().isHidden());
}

TEST_F(MainWindowTest, TheButtonsHoverPollAsksWhetherTheCursorIsStillOverIt) {
    Load();
    FormDrawn& reset = window.XPButton(3);
    const ButtonVisualState& state = window.Button(3).VisualState();
    QCursor::setPos(reset.mapToGlobal(reset.rect().center()));
    QTest::mouseMove(&reset, reset.rect().center());
    EXPECT_TRUE(state.hover);
    EXPECT_TRUE(state.hoverTimer);
    QCursor::setPos(window.mapToGlobal(QPoint(200, 60)));       // over a label now
    EXPECT_TRUE(QTest::qWaitFor([&] { return !state.hover; })); // the poll notices
    EXPECT_FALSE(state.hoverTimer);
}

TEST_F(MainWindowTest, TheButtonsAnswerSpaceEnterAndTheArrowKeys) {
    Load();
    FormDrawn& reset = window.XPButton(3);
    reset.setFocus();
    EXPECT_TRUE(window.Button(3).VisualState().defaultLook);
    EXPECT_FALSE(window.Button(1).VisualState().defaultLook);

    clock.Set({2026, 12, 7, 10, 15, 0});
    QTest::keyClick(&reset, Qt::Key_Space); // a click on release
    EXPECT_EQ(window.Label1().text(), "设定关机时间：2026年12月7日10时15分0秒");
    clock.Set({2026, 12, 7, 11, 0, 0});
    QTest::keyClick(&reset, Qt::Key_Return); // the default button clicks
    EXPECT_EQ(window.Label1().text(), "设定关机时间：2026年12月7日11时0分0秒");

    window.XPButton(1).setFocus();
    QTest::keyClick(&window.XPButton(1), Qt::Key_Right); // the form moves the focus on
    QCoreApplication::processEvents();
    EXPECT_FALSE(window.XPButton(1).hasFocus());
    EXPECT_TRUE(dialogs.shown.empty()); // no arming on an arrow key
}

TEST_F(MainWindowTest, CaptionImagesShowTheirHoverAndPressedPictures) {
    Load();
    FormDrawn& minimise = window.Immin();
    // With no picture the image shows the skin under it.
    const QImage none = minimise.Face().copy();
    EXPECT_EQ(none, window.Face(kForm).copy(minimise.geometry()).convertToFormat(none.format()));
    QTest::mouseMove(&minimise, QPoint(8, 8));
    const QImage hover = minimise.Face().copy();
    EXPECT_NE(hover, none);
    // The hover picture's opaque middle is the picture's own.
    const QImage art = ArtworkImage(Artwork::MinHover);
    ASSERT_EQ(art.pixelColor(8, 8).alpha(), 255);
    EXPECT_EQ(hover.pixelColor(8, 8), art.pixelColor(8, 8));
    QTest::mousePress(&minimise, Qt::RightButton, {}, QPoint(8, 8));
    EXPECT_NE(minimise.Face(), hover);
    EXPECT_NE(minimise.Face(), none);
    QTest::mouseRelease(&minimise, Qt::RightButton, {}, QPoint(8, 8));
    EXPECT_EQ(minimise.Face(), none);
    EXPECT_TRUE(dialogs.shown.empty()); // only the left button clicks

    FormDrawn& close = window.Imclose();
    const QImage closeNone = close.Face().copy();
    QTest::mouseMove(&close, QPoint(8, 8));
    EXPECT_NE(close.Face(), closeNone);
    QTest::mouseMove(&window.Label0(), QPoint(4, 4)); // a label keeps the hover
    EXPECT_NE(close.Face(), closeNone);
    QTest::mouseMove(&window, QPoint(200, 100)); // the background resets it
    EXPECT_EQ(close.Face(), closeNone);

    // Minimise without an armed shutdown explains itself.
    Click(minimise, Qt::LeftButton, QPoint(8, 8));
    EXPECT_EQ(LastMessage(), "请在设定好关机时间后点击“确定”按钮！");
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(minimise.cursor().shape(), Qt::BitmapCursor);
}

TEST_F(MainWindowTest, TheExitQuestionsYesEndsTheProgramAndRemovesTheIcon) {
    Load();
    notifyIcon.present = true;
    dialogs.answers = {mb::kAnswerYes};
    Click(window.Imclose(), Qt::LeftButton, QPoint(8, 8));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].style, 0x123);
    EXPECT_FALSE(notifyIcon.present);
    EXPECT_EQ(exit.ended, 1);
}

// Closed by the window manager or the session, the window takes its icon.
TEST_F(MainWindowTest, TheCloseEventRemovesTheIcon) {
    Load();
    notifyIcon.present = true;
    window.close();
    EXPECT_FALSE(notifyIcon.present);
}

TEST_F(MainWindowTest, LinkLabelsOpenHelpAndPages) {
    Load();
    Click(window.Label2(), Qt::LeftButton);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].caption, "Tarvenel 帮助");
    Click(window.Label3(), Qt::LeftButton);
    Click(window.LbBR(), Qt::LeftButton);
    EXPECT_EQ(urls.opened, (std::vector<std::string>{kProductPageUrl, kMakerHomeUrl}));
    EXPECT_EQ(window.Label3().cursor().shape(), Qt::BitmapCursor);
}

TEST_F(MainWindowTest, TheLeftButtonOnTheBackgroundOrClockLineMovesTheWindow) {
    Load();
    const QPoint start = window.pos();
    // Offscreen there is no window manager to run the move: the window
    // follows the mouse itself until the button goes up.
    QTest::mousePress(&window.Label0(), Qt::RightButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&window.Label0(), Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(window.pos(), start);

    QTest::mousePress(&window.Label0(), Qt::LeftButton, {}, QPoint(5, 5));
    const QPointF moved = window.mapToGlobal(QPointF(40, 30)) + QPointF(25, 15);
    QMouseEvent move(QEvent::MouseMove, QPointF(40, 30), moved, Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &move);
    const QPoint followed = window.pos();
    EXPECT_NE(followed, start);
    // Released further on with no motion in between (a busy machine merges
    // them): the window ends where the button went up.
    QMouseEvent up(QEvent::MouseButtonRelease, QPointF(40, 30), moved + QPointF(30, 20),
                   Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &up);
    EXPECT_EQ(window.pos(), followed + QPoint(30, 20));
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);

    // Shown again (after the tray), the window is back at its stored place.
    window.Hide();
    window.Show();
    EXPECT_EQ(window.pos(), start);
}

} // namespace
} // namespace tarvenel::qt
