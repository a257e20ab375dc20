// The Linux main window over fake services, shared by the window's tests:
// the program's own form on a Qt window, its widgets found by their names.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/qt/form_widgets.h"
#include "platform/qt/native_form.h"
#include "platform/qt/qt_text_renderer.h"
#include "scheduler/main_form.h"
#include "support/fake_services.h"

namespace tarvenel::qt {

class TestWindow : public QtForm {
public:
    TestWindow(const SystemServices& services, NotifyIcon& notifyIcon)
        : QtForm(Frame::Skinned), form_(*this, services, notifyIcon, text_) {}

    FrmMain& Logic() { return form_.Logic(); }
    MainForm& Form() { return form_; }
    void Show() { form_.Host().FormView().Show(); }
    void Hide() { form_.Host().FormView().Hide(); }
    void TrayLeftClick() { Logic().NotifyIcon_Click(); }

    QLabel& Label0() { return Named<QLabel>("Label0"); }
    QLabel& Label1() { return Named<QLabel>("Label1"); }
    QLabel& Label2() { return Named<QLabel>("Label2"); }
    QLabel& Label3() { return Named<QLabel>("Label3"); }
    QLabel& LbBR() { return Named<QLabel>("LbBR"); }
    QComboBox& Combo(int n) { return Named<QComboBox>("Combo" + std::to_string(n)); }
    QCheckBox& Check(int n) { return Named<QCheckBox>("Check" + std::to_string(n)); }
    FormDrawn& XPButton(int n) { return Named<FormDrawn>("XPButton" + std::to_string(n)); }
    tarvenel::XPButton& Button(int n) { return form_.Button(n); }
    FormDrawn& Image1() { return Named<FormDrawn>("Image1"); }
    FormDrawn& Immin() { return Named<FormDrawn>("Immin"); }
    FormDrawn& Imclose() { return Named<FormDrawn>("Imclose"); }

private:
    template <class W> W& Named(const std::string& name) {
        W* widget = dynamic_cast<W*>(Widget(name));
        EXPECT_NE(widget, nullptr) << name;
        return *widget;
    }

    QtTextRenderer text_;
    MainForm form_;
};

class MainWindowTest : public ::testing::Test {
protected:
    void Load(const CivilDateTime& now = {2026, 12, 7, 9, 0, 0}) {
        // The size of Qt's offscreen screen, so that the window lies on it.
        screen.width = 800 * 15;
        screen.height = 600 * 15;
        clock.Set(now);
        window.Logic().Form_Load();
        QCoreApplication::processEvents();
        // A shown window gets its lists' fields right after its first paint.
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return !window.isVisible() || window.Combo(9).lineEdit(); }));
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
    static void ClickButton(QWidget& button) {
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
    TestWindow window{
        SystemServices{clock, dateText, settings, dialogs, startup, countdown, urls, exit, screen},
        notifyIcon};
};

} // namespace tarvenel::qt
