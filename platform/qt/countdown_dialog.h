#pragma once
// frmEnd as a small always-on-top Qt dialog. The core's launcher makes a
// fresh one each time the target fires and binds it to its logic.
#include <QDialog>
#include <QPushButton>
#include <array>
#include <memory>

#include "platform/qt/widgets.h"
#include "power/countdown_launcher.h"
#include "power/frm_end.h"

namespace tarvenel::qt {

class EndDialog : public QDialog, public CountdownDialog, public Form, public TopMostWindow {
    Q_OBJECT
public:
    EndDialog();

    FrmEnd& Logic() { return *frm_; }
    LabelWidget& Number() { return label1_; }
    PushButtonWidget& Command1() { return command1_; }
    // cmdLogoff, cmdForceLogoff, cmdShutdown, cmdForceShutdown, Command2.
    QPushButton& PowerButton(int index) { return *powerButtons_.at(index); }
    Timer& CountdownTimer() { return timer1_; }

    // CountdownDialog
    FrmEndControls Controls() override { return {*this, label1_, command1_, timer1_, *this}; }
    void Bind(FrmEnd& logic) override { frm_ = &logic; }
    void Present() override;
    bool Loaded() const override { return !unloaded_; }

    // Form
    std::string Caption() const override;
    void SetCaption(const std::string& text) override;
    void Show() override;
    void Hide() override { hide(); }
    void Restore() override { Show(); }
    bool Visible() const override { return isVisible(); }
    void SetWindowState(WindowState state) override;
    void SetSize(int widthTwips, int heightTwips) override;
    int Width() const override;
    int Height() const override;
    void Unload() override { close(); }

    // TopMostWindow
    void SetAlwaysOnTop(bool onTop) override;

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
    FrmEnd* frm_ = nullptr;
    bool unloaded_ = false;
    const QEvent* seenKey_ = nullptr;
};

// The launcher of the Linux program: a fresh EndDialog for every firing.
std::unique_ptr<CountdownDialog> MakeEndDialog();

} // namespace tarvenel::qt
