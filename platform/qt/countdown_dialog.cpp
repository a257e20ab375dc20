#include "platform/qt/countdown_dialog.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <cmath>

#include "platform/qt/fonts.h"
#include "platform/qt/pictures.h"
#include "platform/qt/qt_string.h"
#include "platform/qt/qt_units.h"
#include "platform/qt/x11_window.h"
#include "power/frm_end_design.h"

namespace tarvenel::qt {
namespace {

namespace design = frm_end_design;

} // namespace

EndDialog::EndDialog()
    : QDialog(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                           Qt::CustomizeWindowHint),
      command1_(QString(), this), timer1_(2000, false, [this] {
          if (frm_)
              frm_->Timer1_Timer();
      }) {
    // The launcher owns the dialog: closing only hides it.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(ToQt(design::kCaption));
    setWindowIcon(CountdownIcon());
    setFont(ToQFont(FontSpec{}));
    resize(TwipsToPixels(design::kClientArea.width), TwipsToPixels(design::kClientArea.height));

    // The number is read out as it changes (Qt announces a label's new text).
    label1_.Describe([this] {
        return AccessibleInfo{AccessibleRole::Label, label1_.Caption(), "", {}};
    });
    label1_.setText(ToQt(design::kLabel1.caption));
    label1_.setGeometry(PixelRect(design::kLabel1.rect));
    label1_.setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label1_.setFont(ToQFont(design::kNumberFont));
    QPalette number = label1_.palette();
    number.setColor(QPalette::WindowText, ColourOf(design::kNumberColour));
    label1_.setPalette(number);

    command1_.setGeometry(PixelRect(design::kCommand1.rect));
    command1_.setFont(ToQFont(design::kCancelFont));
    QPalette grey = command1_.palette();
    grey.setColor(QPalette::Button, ColourOf(design::kCancelBackColour));
    command1_.setPalette(grey);
    connect(&command1_, &QPushButton::clicked, this, [this] {
        if (frm_)
            frm_->Command1_Click();
    });

    using Handler = void (FrmEnd::*)();
    static constexpr std::array<Handler, 5> kHandlers{
        &FrmEnd::cmdLogoff_Click, &FrmEnd::cmdForceLogoff_Click, &FrmEnd::cmdShutdown_Click,
        &FrmEnd::cmdForceShutdown_Click, &FrmEnd::Command2_Click};
    for (std::size_t i = 0; i < powerButtons_.size(); ++i) {
        const auto& button = design::kPowerButtons[i];
        powerButtons_[i] = std::make_unique<QPushButton>(ToQt(button.design.caption), this);
        powerButtons_[i]->setGeometry(PixelRect(button.design.rect));
        powerButtons_[i]->setVisible(button.visible);
        connect(powerButtons_[i].get(), &QPushButton::clicked, this,
                [this, handler = kHandlers[i]] {
                    if (frm_)
                        (frm_->*handler)();
                });
    }

    // Tab order follows the form's tab indexes; invisible buttons drop out.
    std::array<QWidget*, 7> order{};
    for (std::size_t i = 0; i < powerButtons_.size(); ++i)
        order[static_cast<std::size_t>(design::kPowerButtons[i].tabIndex)] = powerButtons_[i].get();
    order[design::kCommand1TabIndex] = &command1_;
    order[5] = &label1_;
    for (std::size_t i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);

    // The form sees every key before the focused control.
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
}

std::string EndDialog::Caption() const {
    return FromQt(windowTitle());
}

void EndDialog::SetCaption(const std::string& text) {
    setWindowTitle(ToQt(text));
}

void EndDialog::Present() {
    Show();
    command1_.setFocus(Qt::OtherFocusReason);
}

void EndDialog::Show() {
    if (!isVisible())
        KeepOffTaskbar(*this);
    show();
    raise();
    activateWindow();
}

void EndDialog::SetWindowState(WindowState state) {
    setWindowState(state == WindowState::Minimised ? Qt::WindowMinimized : Qt::WindowNoState);
}

void EndDialog::SetSize(int widthTwips, int heightTwips) {
    // The form's outer size includes a frame the window manager draws here,
    // so the client area keeps the form's own proportions.
    const int frameWidth = kEndWidthTwips - design::kClientArea.width;
    const int frameHeight = kEndHeightTwips - design::kClientArea.height;
    setFixedSize(TwipsToPixels(widthTwips - frameWidth), TwipsToPixels(heightTwips - frameHeight));
}

int EndDialog::Width() const {
    return isMinimized()
               ? 0
               : PixelsToTwips(TwipsToPixels(kEndWidthTwips - design::kClientArea.width) + width());
}

int EndDialog::Height() const {
    return isMinimized()
               ? 0
               : PixelsToTwips(TwipsToPixels(kEndHeightTwips - design::kClientArea.height) +
                               height());
}

void EndDialog::SetAlwaysOnTop(bool onTop) {
    // Changing a window flag hides the window; the call shows it again.
    if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) != onTop)
        setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    Show();
}

void EndDialog::reject() {
    // QDialog would hide itself on Escape; the form's key handler decides.
}

bool EndDialog::KeyDown(QKeyEvent* event) {
    // The form tells which keys are its own; the rest go on to the control.
    return frm_ && frm_->Form_KeyDown(VirtualKeyOf(event->key()), ShiftNumber(event->modifiers()));
}

bool EndDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && !unloaded_) {
        seenKey_ = event;
        return KeyDown(static_cast<QKeyEvent*>(event));
    }
    return QDialog::eventFilter(watched, event);
}

void EndDialog::keyPressEvent(QKeyEvent* event) {
    // A key a child left to the dialog has been through eventFilter already.
    if (!unloaded_ && event != seenKey_ && KeyDown(event))
        return;
    QDialog::keyPressEvent(event);
}

void EndDialog::closeEvent(QCloseEvent* event) {
    event->accept();
    if (unloaded_)
        return;
    unloaded_ = true;
    if (frm_)
        frm_->Form_Unload();
}

std::unique_ptr<CountdownDialog> MakeEndDialog() {
    return std::make_unique<EndDialog>();
}

} // namespace tarvenel::qt
