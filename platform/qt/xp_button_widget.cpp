#include "platform/qt/xp_button_widget.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>

#include "platform/qt/fonts.h"
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
    : QWidget(parent), container_(container), name_(stored.name), button_(*this),
      renderer_(button_, text, screen), mouse_(button_), command_(button_) {
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setToolTip(ToQt(stored.toolTip));
    connect(&hoverTimer_, &QTimer::timeout, this, [this] { button_.OnHoverTimer(); });
    button_.ReadProperties(stored.properties);
}

XPButtonWidget::~XPButtonWidget() = default;

void XPButtonWidget::MessageBox(const std::string& text, int, const std::string& caption) {
    QMessageBox::information(this, ToQt(caption), ToQtLines(text));
}

void XPButtonWidget::SetMousePointer(int pointer) {
    if (pointer == 0)
        unsetCursor();
}

std::optional<std::string> XPButtonWidget::SetMouseIcon(const PicturePtr& icon) {
    if (!icon || !icon->pixels || icon->width <= 0 || icon->height <= 0) {
        unsetCursor();
        return std::nullopt;
    }
    QImage image(icon->width, icon->height, QImage::Format_ARGB32);
    for (int y = 0; y < icon->height; ++y)
        for (int x = 0; x < icon->width; ++x)
            image.setPixel(x, y, (*icon->pixels)[static_cast<std::size_t>(y * icon->width + x)]);
    setCursor(QCursor(QPixmap::fromImage(image)));
    return std::nullopt;
}

void XPButtonWidget::SetAccessKeys(const std::string& key) {
    accessKey_.reset();
    if (key.empty())
        return;
    const QString letter = ToQt(key).left(1);
    accessKey_ = std::make_unique<QShortcut>(QKeySequence(QStringLiteral("Alt+") + letter), this);
    accessKey_->setContext(Qt::WindowShortcut);
    const int ascii = letter.toUpper().at(0).unicode();
    connect(accessKey_.get(), &QShortcut::activated, this, [this, ascii] {
        if (isEnabled())
            button_.OnAccessKey(ascii);
    });
}

void XPButtonWidget::StartTimer(int, int periodMs) {
    hoverTimer_.start(periodMs);
}

void XPButtonWidget::StopTimer(int) {
    hoverTimer_.stop();
}

bool XPButtonWidget::IsCursorOverMe() {
    // The widget under the cursor must be this one (not a window over it),
    // and the point must lie inside the button's shape.
    const QPoint global = QCursor::pos();
    if (QApplication::widgetAt(global) != this)
        return false;
    const QPoint local = mapFromGlobal(global);
    return mask().isEmpty() ? rect().contains(local) : mask().contains(local);
}

ClientPoint XPButtonWidget::CursorPosition() {
    const QPoint local = mapFromGlobal(QCursor::pos());
    return {static_cast<float>(local.x()), static_cast<float>(local.y())};
}

void XPButtonWidget::PostKeyDownToContainer(int virtualKey, std::uint32_t) {
    // The container moves the focus on: right and down forward, left and up
    // back, the way a form does with its tab order.
    const bool forward = virtualKey == 39 || virtualKey == 40;
    QCoreApplication::postEvent(
        this,
        new QKeyEvent(QEvent::KeyPress, forward ? Qt::Key_Tab : Qt::Key_Backtab, Qt::NoModifier));
}

void XPButtonWidget::SetRegion(const Region& region) {
    setMask(ToQRegion(region));
}

void XPButtonWidget::Redraw() {
    face_ = ToImage(renderer_.Paint());
    if (!painting_)
        repaint();
}

void XPButtonWidget::paintEvent(QPaintEvent*) {
    // The surface asks to be painted: the button ends any delay of its
    // drawing and paints its face afresh, as it does on every platform.
    painting_ = true;
    button_.OnPaint();
    painting_ = false;
    if (face_.isNull())
        face_ = ToImage(renderer_.Paint());
    QPainter painter(this);
    painter.drawImage(0, 0, face_);
}

void XPButtonWidget::mousePressEvent(QMouseEvent* event) {
    mouse_.Press(ButtonNumber(event->button()), ShiftNumber(event->modifiers()), X(event),
                 Y(event));
}

void XPButtonWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    mouse_.DoublePress(ButtonNumber(event->button()), ShiftNumber(event->modifiers()), X(event),
                       Y(event));
}

void XPButtonWidget::mouseMoveEvent(QMouseEvent* event) {
    button_.OnMouseMove(ButtonsNumber(event->buttons()), ShiftNumber(event->modifiers()), X(event),
                        Y(event));
}

void XPButtonWidget::mouseReleaseEvent(QMouseEvent* event) {
    mouse_.Release(ButtonNumber(event->button()), ShiftNumber(event->modifiers()), X(event),
                   Y(event));
}

void XPButtonWidget::keyPressEvent(QKeyEvent* event) {
    int key = VirtualKeyOf(event->key());
    if (key == 13 && DisplayAsDefault()) {
        // Enter clicks the button shown as the default one.
        button_.OnAccessKey(13);
        return;
    }
    if (event->isAutoRepeat() && key == 32)
        return;
    if (key != 0)
        button_.OnKeyDown(key, ShiftNumber(event->modifiers()));
    const QString text = event->text();
    if (!text.isEmpty() && text.at(0).unicode() < 128 && text.at(0).unicode() >= 8) {
        int ascii = text.at(0).unicode();
        button_.OnKeyPress(ascii);
    }
}

void XPButtonWidget::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat())
        return;
    int key = VirtualKeyOf(event->key());
    if (key != 0 && key != 13)
        button_.OnKeyUp(key, ShiftNumber(event->modifiers()));
}

void XPButtonWidget::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    button_.OnGotFocus();
    button_.OnAmbientChanged("DisplayAsDefault");
}

void XPButtonWidget::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    button_.OnAmbientChanged("DisplayAsDefault");
}

void XPButtonWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    button_.OnResize();
}

} // namespace tarvenel::qt
