#include "platform/qt/caret_rest.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QStyleHints>

namespace tarvenel::qt {

CaretRest::CaretRest(int blinkMs) : flashTime_(QGuiApplication::styleHints()->cursorFlashTime()) {
    timer_.setSingleShot(true);
    timer_.setInterval(blinkMs);
    connect(&timer_, &QTimer::timeout, this, [this] { Rest(true); });
    QCoreApplication::instance()->installEventFilter(this);
    timer_.start();
}

CaretRest::~CaretRest() {
    Rest(false);
}

bool CaretRest::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::Wheel:
    case QEvent::FocusIn:
        Rest(false);
        timer_.start();
        break;
    default:
        break;
    }
    return false;
}

// A flash time of 0 stops the blinking with the caret shown; the text
// fields follow a change of it at once.
void CaretRest::Rest(bool rest) {
    if (rest == resting_)
        return;
    resting_ = rest;
    QGuiApplication::styleHints()->setCursorFlashTime(rest ? 0 : flashTime_);
}

} // namespace tarvenel::qt
