#include "platform/qt/native_form.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "platform/qt/form_widgets.h"
#include "platform/qt/input.h"

// The Qt form's events: its widgets' input, its timers and the window's own
// painting and state, turned into the core's events.
namespace tarvenel::qt {

// --- Timers

void QtForm::StartTimer(int timer, int ms) {
    auto& t = timers_[timer];
    if (!t) {
        t = std::make_unique<QTimer>();
        t->setSingleShot(true);
        t->setTimerType(Qt::PreciseTimer);
        connect(t.get(), &QTimer::timeout, this, [this, timer] {
            Send({kForm, FormEventKind::Timer, 0, 0, 0, 0, timer});
        });
    }
    t->start(ms);
}

void QtForm::StopTimer(int timer) {
    if (const auto found = timers_.find(timer); found != timers_.end())
        found->second->stop();
}

long long QtForm::NowMs() const {
    return QDateTime::currentMSecsSinceEpoch();
}

// --- Input

bool QtForm::Key(int control, QKeyEvent* event) {
    const int key = VirtualKeyOf(event->key());
    if (Send({control, FormEventKind::KeyDown, 0, ShiftNumber(event->modifiers()), 0, 0, key,
              event->isAutoRepeat()}))
        return true;
    // A drawn control takes the character a key typed; Tab stays the
    // focus's.
    if (KindOf(control) != ControlKind::Drawn || event->text().isEmpty() || key == 9 ||
        event->key() == Qt::Key_Backtab)
        return false;
    Send({control, FormEventKind::Character, 0, 0, 0, 0, event->text().at(0).unicode()});
    return true;
}

bool QtForm::eventFilter(QObject* watched, QEvent* event) {
    if (closed_)
        return QWidget::eventFilter(watched, event);
    const int control = ControlOf(watched);
    const std::optional<ControlKind> kind = KindOf(control);
    switch (event->type()) {
    case QEvent::KeyPress:
        return Key(control, static_cast<QKeyEvent*>(event));
    case QEvent::KeyRelease: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (kind != ControlKind::Drawn)
            break;
        if (!key->isAutoRepeat())
            Send({control, FormEventKind::KeyUp, 0, ShiftNumber(key->modifiers()), 0, 0,
                  VirtualKeyOf(key->key())});
        return true;
    }
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        if (kind && watched == Widget(control))
            Send({control, event->type() == QEvent::FocusIn ? FormEventKind::FocusIn
                                                            : FormEventKind::FocusOut});
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove: {
        // Labels report their presses and releases and keep their moves
        // from the form; lists only say that the user is at work.
        if (kind != ControlKind::Label && kind != ControlKind::List)
            break;
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const bool release = event->type() == QEvent::MouseButtonRelease;
        if (event->type() != QEvent::MouseMove)
            Send(MouseEvent(control, release ? FormEventKind::MouseUp : FormEventKind::MouseDown,
                            mouse, ButtonNumber(mouse->button())));
        return kind == ControlKind::Label;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void QtForm::paintEvent(QPaintEvent*) {
    QPainter(this).drawImage(0, 0, background_);
    // The lists' fields are made once the first picture is out.
    if (standIn_ && !listsDue_) {
        listsDue_ = true;
        QTimer::singleShot(0, this, [this] { MakeListsEditable(); });
    }
}

void QtForm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && !isMinimized())
        Send({kForm, FormEventKind::StateChanged});
}

void QtForm::keyPressEvent(QKeyEvent* event) {
    if (!Key(kForm, event))
        QWidget::keyPressEvent(event);
}

void QtForm::mouseMoveEvent(QMouseEvent* event) {
    if (manualMove_) {
        move(event->globalPosition().toPoint() - moveOffset_);
        return;
    }
    Send(MouseEvent(kForm, FormEventKind::MouseMove, event, ButtonsNumber(event->buttons())));
}

void QtForm::mousePressEvent(QMouseEvent* event) {
    Send(MouseEvent(kForm, FormEventKind::MouseDown, event, ButtonNumber(event->button())));
}

void QtForm::mouseReleaseEvent(QMouseEvent* event) {
    if (manualMove_ && event->button() == Qt::LeftButton) {
        // The window ends where the button went up, whatever motion was
        // merged or lost on the way.
        move(event->globalPosition().toPoint() - moveOffset_);
        manualMove_ = false;
        releaseMouse();
    }
}

void QtForm::closeEvent(QCloseEvent* event) {
    event->accept();
    if (!closed_)
        Send({kForm, FormEventKind::Close});
}

} // namespace tarvenel::qt
