// The Linux main window over fake services, shared by the window's tests.
#pragma once

#include <QTest>
#include <gtest/gtest.h>

#include "platform/qt/main_window.h"
#include "support/fake_services.h"

namespace tarvenel::qt {

class MainWindowTest : public ::testing::Test {
protected:
    void Load(const CivilDateTime& now = {2026, 12, 7, 9, 0, 0}) {
        // The size of Qt's offscreen screen, so that the window lies on it.
        screen.width = 800 * 15;
        screen.height = 600 * 15;
        clock.Set(now);
        window.Logic().Form_Load();
        QCoreApplication::processEvents();
    }

    std::string LastMessage() const {
        return dialogs.shown.empty() ? "" : dialogs.shown.back().text;
    }

    // A mouse button pressed and released at `point` of `widget`.
    static void Click(QWidget& widget, Qt::MouseButton button, QPoint point = {}) {
        if (point.isNull())
            point = widget.rect().center();
        QTest::mouseClick(&widget, button, {}, point);
    }

    // The buttons ask where the mouse cursor is, as the hover poll does.
    static void ClickButton(XPButtonWidget& button) {
        QCursor::setPos(button.mapToGlobal(button.rect().center()));
        Click(button, Qt::LeftButton);
    }

    test::FakeClock clock;
    test::FakeDateText dateText;
    test::FakeSettings settings;
    test::FakeDialogs dialogs;
    test::FakeStartupList startup;
    test::FakeNotifyIcon notifyIcon;
    test::FakeCountdown countdown;
    test::FakeUrlOpener urls;
    test::FakeExit exit;
    test::FakeScreen screen;
    MainWindow window{
        SystemServices{clock, dateText, settings, dialogs, startup, countdown, urls, exit, screen},
        notifyIcon};
};

} // namespace tarvenel::qt
