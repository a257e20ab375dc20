#pragma once
// The text caret blinks for a few seconds after the last key or click and
// then stays lit, as it does on Windows (its caret time-out). A window the
// user has left alone then wakes only for its clock.
#include <QObject>
#include <QTimer>

#include "app/caret_timeout.h"

namespace tarvenel::qt {

class CaretRest : public QObject {
public:
    // Watches the whole application's input; `blinkMs` is how long the caret
    // blinks after the last of it.
    explicit CaretRest(int blinkMs = kCaretBlinkTimeoutMs);
    ~CaretRest() override;

    bool Resting() const { return resting_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Rest(bool rest);

    QTimer timer_;
    int flashTime_; // the desktop's blink period
    bool resting_ = false;
};

} // namespace tarvenel::qt
