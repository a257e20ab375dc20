#include "platform/qt/xp_button_widget.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>

#include "platform/qt/pictures.h"
#include "platform/qt/qt_string.h"
#include "platform/qt/qt_text_renderer.h"
#include "platform/qt/widgets.h"

namespace tarvenel::qt {
namespace {

float X(const QMouseEvent* e) {
    return static_cast<float>(e->position().x());
}
float Y(const QMouseEvent* e) {
    return static_cast<float>(e->position().y());
}

} // namespace

XPButtonWidget::XPButtonWidget(ButtonContainer& container, const StoredButton& stored,
                               TextRenderer& text, ButtonScreen screen, QWidget* parent)
    : QWidget(parent), host_(*this, container, stored, text, screen) {
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setToolTip(ToQt(stored.toolTip));
    connect(&hoverTimer_, &QTimer::timeout, this, [this] { host_.HoverTick(); });
    Describe([this] { return host_.Accessible(); }, [this] { host_.PressAction(); });
}

XPButtonWidget::~XPButtonWidget() = default;

void XPButtonWidget::ShowMessage(const std::string& text, int, const std::string& caption) {
    QMessageBox::information(this, ToQt(caption), ToQtLines(text));
}

std::optional<std::string> XPButtonWidget::SetCursorPicture(const PicturePtr& picture) {
    if (!picture || !picture->pixels || picture->width <= 0 || picture->height <= 0) {
        unsetCursor();
        return std::nullopt;
    }
    QImage image(picture->width, picture->height, QImage::Format_ARGB32);
    for (int y = 0; y < picture->height; ++y)
        for (int x = 0; x < picture->width; ++x)
            image.setPixel(x, y,
                           (*picture->pixels)[static_cast<std::size_t>(y * picture->width + x)]);
    setCursor(QCursor(QPixmap::fromImage(image)));
    return std::nullopt;
}

void XPButtonWidget::SetAccessKey(const std::string& key) {
    accessKey_.reset();
    if (key.empty())
        return;
    accessKey_ =
        std::make_unique<QShortcut>(QKeySequence(QStringLiteral("Alt+") + ToQt(key).left(1)), this);
    accessKey_->setContext(Qt::WindowShortcut);
    connect(accessKey_.get(), &QShortcut::activated, this, [this] {
        if (isEnabled())
            host_.AccessKey();
    });
}

void XPButtonWidget::Capture(bool on) {
    if (on)
        grabMouse();
    else
        releaseMouse();
}

bool XPButtonWidget::CursorOver() {
    // The widget under the cursor must be this one (not a window over it),
    // and the point must lie inside the button's shape. A disabled button is
    // never under the cursor, as for the system's window-from-point: one
    // disabled while hovered takes its disabled face at the next poll.
    const QPoint global = QCursor::pos();
    if (!isEnabled() || QApplication::widgetAt(global) != this)
        return false;
    const QPoint local = mapFromGlobal(global);
    return mask().isEmpty() ? rect().contains(local) : mask().contains(local);
}

ClientPoint XPButtonWidget::Cursor() {
    const QPoint local = mapFromGlobal(QCursor::pos());
    return {static_cast<float>(local.x()), static_cast<float>(local.y())};
}

void XPButtonWidget::MoveFocus(bool forward) {
    QCoreApplication::postEvent(
        this,
        new QKeyEvent(QEvent::KeyPress, forward ? Qt::Key_Tab : Qt::Key_Backtab, Qt::NoModifier));
}

void XPButtonWidget::SetRegion(const Region& region) {
    setMask(ToQRegion(region));
}

void XPButtonWidget::Show(const Bitmap& face) {
    face_ = ToImage(face);
    if (!painting_)
        repaint();
}

void XPButtonWidget::paintEvent(QPaintEvent*) {
    painting_ = true;
    host_.Paint();
    painting_ = false;
    QPainter painter(this);
    painter.drawImage(0, 0, face_);
}

void XPButtonWidget::mousePressEvent(QMouseEvent* event) {
    host_.Press(ButtonNumber(event->button()), ShiftNumber(event->modifiers()), X(event), Y(event));
}

void XPButtonWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    host_.DoublePress(ButtonNumber(event->button()), ShiftNumber(event->modifiers()), X(event),
                      Y(event));
}

void XPButtonWidget::mouseMoveEvent(QMouseEvent* event) {
    host_.Move(ButtonsNumber(event->buttons()), ShiftNumber(event->modifiers()), X(event),
               Y(event));
}

void XPButtonWidget::mouseReleaseEvent(QMouseEvent* event) {
    host_.Release(ButtonNumber(event->button()), ShiftNumber(event->modifiers()), X(event),
                  Y(event));
}

void XPButtonWidget::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    if (host_.KeyDown(VirtualKeyOf(event->key()), ShiftNumber(event->modifiers()),
                      event->isAutoRepeat()) &&
        !text.isEmpty())
        host_.KeyPress(text.at(0).unicode());
}

void XPButtonWidget::keyReleaseEvent(QKeyEvent* event) {
    if (!event->isAutoRepeat())
        host_.KeyUp(VirtualKeyOf(event->key()), ShiftNumber(event->modifiers()));
}

void XPButtonWidget::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    host_.FocusChanged(true);
}

void XPButtonWidget::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    host_.FocusChanged(false);
}

void XPButtonWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    host_.Resized();
}

} // namespace tarvenel::qt
