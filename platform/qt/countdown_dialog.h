#pragma once
// frmEnd as a small always-on-top Qt dialog, and the launcher that loads a
// fresh one each time the target fires.
#include <QDialog>
#include <QPointer>
#include <QPushButton>
#include <array>
#include <memory>

#include "app/module1.h"
#include "platform/qt/widgets.h"
#include "power/countdown_window.h"
#include "power/frm_end.h"

namespace tarvenel::qt {

class CountdownDialog : public QDialog, public Form, public WindowZOrder {
    Q_OBJECT
public:
    // The dialog is its own window z-order: SetTopMost puts it above the rest.
    CountdownDialog(SystemVersion& version, PowerRequester& power, Dialogs& dialogs,
                    Timer& mainTimer2);

    FrmEnd& Logic() { return frm_; }
    LabelWidget& Number() { return label1_; }
    PushButtonWidget& Command1() { return command1_; }
    // cmdLogoff, cmdForceLogoff, cmdShutdown, cmdForceShutdown, Command2.
    QPushButton& PowerButton(int index) { return *powerButtons_.at(index); }
    Timer& CountdownTimer() { return timer1_; }

    // Form
    std::string Caption() const override;
    void SetCaption(const std::string& text) override;
    void Show() override;
    void Hide() override { hide(); }
    bool Visible() const override { return isVisible(); }
    void SetWindowState(WindowState state) override;
    void SetSize(int widthTwips, int heightTwips) override;
    int Width() const override;
    int Height() const override;
    void Unload() override { close(); }

    // WindowZOrder
    void SetWindowPos(std::intptr_t insertAfter, int x, int y, int cx, int cy,
                      unsigned flags) override;

public slots:
    void reject() override; // Escape and the close box go through the form's handlers

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    bool KeyDown(QKeyEvent* event);

    BigTextLabel label1_{this};
    PushButtonWidget command1_;
    std::array<std::unique_ptr<QPushButton>, 5> powerButtons_;
    TimerAdapter timer1_;
    FrmEnd frm_;
    bool unloaded_ = false;
    const QEvent* seenKey_ = nullptr;
};

// The main window's view of the dialog: Show loads a dialog when none is
// loaded (a fresh countdown) and brings it forward.
class CountdownLauncher : public CountdownWindow {
public:
    CountdownLauncher(SystemVersion& version, PowerRequester& power, Dialogs& dialogs);
    void SetMainTimer2(Timer& timer) { mainTimer2_ = &timer; }
    void Show() override;
    CountdownDialog* Current() const { return dialog_; }

private:
    SystemVersion& version_;
    PowerRequester& power_;
    Dialogs& dialogs_;
    Timer* mainTimer2_ = nullptr;
    QPointer<CountdownDialog> dialog_;
};

} // namespace tarvenel::qt
