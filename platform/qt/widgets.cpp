#include "platform/qt/widgets.h"

#include <algorithm>

#include <QDateTime>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QSignalBlocker>

#include "app/form_design.h"
#include "app/second_rhythm.h"
#include "platform/qt/qt_string.h"

namespace tarvenel::qt {

int ButtonNumber(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

int ButtonsNumber(Qt::MouseButtons buttons) {
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
           (buttons & Qt::MiddleButton ? 4 : 0);
}

int ShiftNumber(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

int VirtualKeyOf(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
        return 18;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Tab:
        return 9;
    default:
        if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) ||
            (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z))
            return qtKey; // the same numbers
        return 0;
    }
}

// --- LabelWidget

LabelWidget::LabelWidget(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setMouseTracking(true);
}

void LabelWidget::SetWidthRule(LabelWidth rule) {
    widthRule_ = rule;
    laidOutWidth_ = width();
}

std::string LabelWidget::Caption() const {
    return FromQt(text());
}

void LabelWidget::SetCaption(const std::string& caption) {
    setText(ToQt(caption));
    if (widthRule_ == LabelWidth::Fixed)
        return;
    const QMargins margins = contentsMargins();
    int needed =
        fontMetrics().horizontalAdvance(text()) + 2 * margin() + margins.left() + margins.right();
    if (widthRule_ == LabelWidth::GrowToText)
        needed = std::max(needed, laidOutWidth_);
    resize(needed, height());
}

void LabelWidget::mousePressEvent(QMouseEvent* event) {
    pressedInside_ = event->button() == Qt::LeftButton;
    emit pressed(ButtonNumber(event->button()), ShiftNumber(event->modifiers()), event->position());
}

void LabelWidget::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressedInside_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressedInside_ = false;
    if (click)
        emit clicked();
}

void LabelWidget::mouseMoveEvent(QMouseEvent* event) {
    // Moves over a label are the label's own: they do not reach the form.
    event->accept();
}

// --- BigTextLabel

void BigTextLabel::paintEvent(QPaintEvent* event) {
    const QFontInfo info(font());
    const bool synthetic =
        info.bold() && !info.styleName().contains(QStringLiteral("Bold"), Qt::CaseInsensitive);
    if (!synthetic || info.pixelSize() <= 64) {
        QLabel::paintEvent(event);
        return;
    }
    const QFontMetrics metrics(font());
    const QString shown = text();
    int x = 0;
    if (alignment() & Qt::AlignHCenter)
        x = (width() - metrics.horizontalAdvance(shown)) / 2;
    else if (alignment() & Qt::AlignRight)
        x = width() - metrics.horizontalAdvance(shown);
    QPainterPath path;
    path.addText(x, metrics.ascent(), font(), shown);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor colour = palette().color(QPalette::WindowText);
    painter.fillPath(path, colour);
    painter.strokePath(path, QPen(colour, info.pixelSize() / 24.0));
}

// --- ComboWidget

ComboWidget::ComboWidget(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr); // typed text stays as typed
    setMaxVisibleItems(8);
    // The combo box takes typed text that matches an entry as a choice when
    // the user presses Enter or leaves the field; typed text is only looked
    // at when the target is armed.
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    disconnect(lineEdit(), &QLineEdit::returnPressed, this, nullptr);
}

void ComboWidget::Clear() {
    QSignalBlocker block(this);
    clear();
}

void ComboWidget::AddItem(const std::string& text) {
    QSignalBlocker block(this);
    const QString field = currentText();
    addItem(ToQt(text));
    ShowText(field);
}

void ComboWidget::RemoveItem(int index) {
    QSignalBlocker block(this);
    const QString field = currentText();
    removeItem(index);
    ShowText(field);
}

void ComboWidget::ShowText(const QString& text) {
    // The current entry follows the text field, so that the arrow keys and
    // the open list start from what the user sees. Changing the current entry
    // rewrites the field, which then gets its text back.
    setCurrentIndex(findText(text, Qt::MatchExactly));
    setEditText(text);
}

int ComboWidget::ListCount() const {
    return count();
}

std::string ComboWidget::List(int index) const {
    return FromQt(itemText(index));
}

int ComboWidget::ListIndex() const {
    return findText(currentText(), Qt::MatchExactly);
}

std::string ComboWidget::Text() const {
    return FromQt(currentText());
}

void ComboWidget::SetText(const std::string& text) {
    QSignalBlocker block(this);
    ShowText(ToQt(text));
}

bool ComboWidget::Enabled() const {
    return isEnabled();
}

void ComboWidget::SetEnabled(bool enabled) {
    setEnabled(enabled);
}

// --- CheckWidget

CheckWidget::CheckWidget(const QString& caption, QWidget* parent) : QCheckBox(caption, parent) {
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (!releasing_)
            emit mouseUp(1, ShiftNumber(QGuiApplication::keyboardModifiers()), 0, 0);
    });
}

bool CheckWidget::hitButton(const QPoint& position) const {
    return rect().contains(position);
}

int CheckWidget::Value() const {
    return isChecked() ? 1 : 0;
}

void CheckWidget::SetValue(int value) {
    // Setting from code is silent: nothing listens to toggled().
    setChecked(value == 1);
}

void CheckWidget::mousePressEvent(QMouseEvent* event) {
    pressedButtons_ |= event->button();
    QCheckBox::mousePressEvent(event);
    // Keep every button's press, so its release comes back to this box.
    event->accept();
}

void CheckWidget::mouseReleaseEvent(QMouseEvent* event) {
    // The box toggles first (left button released over it), then the
    // handler sees the new state with the release point.
    releasing_ = true;
    QCheckBox::mouseReleaseEvent(event);
    releasing_ = false;
    event->accept();
    if (!(pressedButtons_ & event->button()))
        return;
    pressedButtons_ &= ~event->button();
    emit mouseUp(ButtonNumber(event->button()), ShiftNumber(event->modifiers()),
                 static_cast<float>(event->position().x()),
                 static_cast<float>(event->position().y()));
}

// --- PictureWidget

PictureWidget::PictureWidget(const QPixmap& picture, QWidget* parent) : QLabel(parent) {
    setPixmap(picture);
    setMouseTracking(true);
}

void PictureWidget::mousePressEvent(QMouseEvent* event) {
    emit pressed(ButtonNumber(event->button()), ShiftNumber(event->modifiers()), event->position());
}

void PictureWidget::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}

// --- CaptionImageWidget

CaptionImageWidget::CaptionImageWidget(QPixmap hover, QPixmap pressed, QWidget* parent)
    : QLabel(parent), hover_(std::move(hover)), pressed_(std::move(pressed)) {
    setMouseTracking(true);
}

void CaptionImageWidget::ShowFace(ImageFace face) {
    face_ = face;
    switch (face) {
    case ImageFace::None:
        clear();
        break;
    case ImageFace::Hover:
        setPixmap(hover_);
        break;
    case ImageFace::Pressed:
        setPixmap(pressed_);
        break;
    }
}

void CaptionImageWidget::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMove(ButtonsNumber(event->buttons()), ShiftNumber(event->modifiers()),
                   PixelsToTwips(event->position().x()), PixelsToTwips(event->position().y()));
}

void CaptionImageWidget::mousePressEvent(QMouseEvent* event) {
    emit mouseDown(ButtonNumber(event->button()), ShiftNumber(event->modifiers()),
                   PixelsToTwips(event->position().x()), PixelsToTwips(event->position().y()));
}

void CaptionImageWidget::mouseReleaseEvent(QMouseEvent* event) {
    emit mouseUp(ButtonNumber(event->button()), ShiftNumber(event->modifiers()),
                 PixelsToTwips(event->position().x()), PixelsToTwips(event->position().y()));
    // An image clicks with the left button released over it, after MouseUp.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

// --- PushButtonWidget

PushButtonWidget::PushButtonWidget(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {
    setFocusPolicy(Qt::StrongFocus);
}

std::string PushButtonWidget::Caption() const {
    return FromQt(text());
}

void PushButtonWidget::SetCaption(const std::string& caption) {
    setText(ToQt(caption));
}

void PushButtonWidget::focusInEvent(QFocusEvent* event) {
    setDefault(true);
    QPushButton::focusInEvent(event);
}

void PushButtonWidget::focusOutEvent(QFocusEvent* event) {
    setDefault(false);
    QPushButton::focusOutEvent(event);
}

// --- TimerAdapter

TimerAdapter::TimerAdapter(int intervalMs, bool enabled, std::function<void()> onTick,
                           Rhythm rhythm)
    : intervalMs_(intervalMs), rhythm_(rhythm) {
    timer_.setInterval(intervalMs);
    timer_.setTimerType(Qt::PreciseTimer);
    // On the wall clock's seconds each tick sets the next one, before the
    // handler runs so that the handler can still switch the timer off.
    timer_.setSingleShot(rhythm == Rhythm::WallClockSeconds);
    QObject::connect(&timer_, &QTimer::timeout, [this, tick = std::move(onTick)] {
        if (rhythm_ == Rhythm::WallClockSeconds)
            Start();
        tick();
    });
    if (enabled)
        Start();
}

void TimerAdapter::Start() {
    if (rhythm_ == Rhythm::Own)
        timer_.start();
    else
        timer_.start(
            MsUntilNextSecond(static_cast<int>(QDateTime::currentMSecsSinceEpoch() % 1000)));
}

void TimerAdapter::SetEnabled(bool enabled) {
    // Switching on a running timer keeps its rhythm, as the forms' timers do.
    if (enabled && !timer_.isActive())
        Start();
    else if (!enabled)
        timer_.stop();
}

} // namespace tarvenel::qt

namespace tarvenel::qt {

StripWidget::StripWidget(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
}

void StripWidget::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMove(ButtonsNumber(event->buttons()), ShiftNumber(event->modifiers()),
                   PixelsToTwips(event->position().x()), PixelsToTwips(event->position().y()));
}

void StripWidget::mousePressEvent(QMouseEvent* event) {
    emit pressed(ButtonNumber(event->button()), ShiftNumber(event->modifiers()), event->position());
}

} // namespace tarvenel::qt
