#include "platform/qt/form_widgets.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QSignalBlocker>
#include <QStylePainter>

#include "platform/qt/input.h"

namespace tarvenel::qt {

FormEvent MouseEvent(int control, FormEventKind kind, const QMouseEvent* e, int button) {
    return {control,
            kind,
            button,
            ShiftNumber(e->modifiers()),
            static_cast<float>(e->position().x()),
            static_cast<float>(e->position().y())};
}

void FormLabel::paintEvent(QPaintEvent* event) {
    const QFontInfo info(font());
    const bool synthetic =
        info.bold() && !info.styleName().contains(QStringLiteral("Bold"), Qt::CaseInsensitive);
    if (!synthetic || info.pixelSize() <= 64) {
        QLabel::paintEvent(event);
        return;
    }
    const QFontMetrics metrics(font());
    const QString shown = text();
    const int x =
        alignment() & Qt::AlignHCenter ? (width() - metrics.horizontalAdvance(shown)) / 2 : 0;
    QPainterPath path;
    path.addText(x, metrics.ascent(), font(), shown);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor colour = palette().color(QPalette::WindowText);
    painter.fillPath(path, colour);
    painter.strokePath(path, QPen(colour, info.pixelSize() / 24.0));
}

FormList::FormList(QWidget* parent, const QRect& place, QLineEdit* standIn,
                   std::function<void(QLineEdit&)> madeEditable)
    : QComboBox(parent), standIn_(standIn), madeEditable_(std::move(madeEditable)) {
    // Placed first: a list without a size of its own measures all it could
    // show to find one when it becomes editable.
    setGeometry(place);
    setMaxVisibleItems(8);
    if (!standIn_)
        MakeEditable();
}

void FormList::MakeEditable() {
    if (lineEdit())
        return;
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr); // typed text stays as typed
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    disconnect(lineEdit(), &QLineEdit::returnPressed, this, nullptr);
    QSignalBlocker block(this);
    setEditText(field_);
    if (madeEditable_)
        madeEditable_(*lineEdit());
}

QString FormList::Field() const {
    return lineEdit() ? currentText() : field_;
}

void FormList::ShowText(const QString& text) {
    // Changing the current entry rewrites the field, which then gets its
    // text back.
    setCurrentIndex(findText(text, Qt::MatchExactly));
    field_ = text;
    if (lineEdit())
        setEditText(text);
    else
        update();
}

bool FormList::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::Enter:
    case QEvent::FocusIn:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::Wheel:
    case QEvent::InputMethod:
        MakeEditable();
        break;
    default:
        break;
    }
    return QComboBox::event(event);
}

void FormList::paintEvent(QPaintEvent* event) {
    if (lineEdit() || !standIn_) {
        QComboBox::paintEvent(event);
        return;
    }
    // What an editable list draws, with the stand-in in the field's place.
    QStylePainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.editable = true;
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    standIn_->setPalette(palette());
    standIn_->setGeometry(field);
    standIn_->setText(field_);
    QImage picture(field.size() * devicePixelRatio(), QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(devicePixelRatio());
    picture.fill(Qt::transparent);
    standIn_->render(&picture, QPoint(), QRegion(), QWidget::DrawChildren);
    painter.drawImage(field.topLeft(), picture);
}

FormCheck::FormCheck(QWidget* parent, int control, const QString& caption, SendEvent send)
    : QCheckBox(caption, parent), control_(control), send_(std::move(send)) {
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (!releasing_)
            send_({control_, FormEventKind::Toggled, 1,
                   ShiftNumber(QGuiApplication::keyboardModifiers())});
    });
}

void FormCheck::mousePressEvent(QMouseEvent* event) {
    send_(MouseEvent(control_, FormEventKind::MouseDown, event, ButtonNumber(event->button())));
    QCheckBox::mousePressEvent(event);
    event->accept(); // every button's release comes back here
}

void FormCheck::mouseReleaseEvent(QMouseEvent* event) {
    releasing_ = true;
    QCheckBox::mouseReleaseEvent(event);
    releasing_ = false;
    event->accept();
    send_(MouseEvent(control_, FormEventKind::MouseUp, event, ButtonNumber(event->button())));
}

FormPushButton::FormPushButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAutoDefault(true);
}

void FormPushButton::focusInEvent(QFocusEvent* event) {
    setDefault(true);
    QPushButton::focusInEvent(event);
}

void FormPushButton::focusOutEvent(QFocusEvent* event) {
    setDefault(false);
    QPushButton::focusOutEvent(event);
}

FormDrawn::FormDrawn(QWidget* parent, int control, SendEvent send)
    : QWidget(parent), control_(control), send_(std::move(send)) {
    setMouseTracking(true);
}

void FormDrawn::Show(QImage face) {
    face_ = std::move(face);
    if (!painting_)
        repaint();
}

void FormDrawn::paintEvent(QPaintEvent*) {
    painting_ = true;
    send_({control_, FormEventKind::Paint});
    painting_ = false;
    QPainter(this).drawImage(0, 0, face_);
}

void FormDrawn::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    send_({control_, FormEventKind::Resized});
}

void FormDrawn::mousePressEvent(QMouseEvent* e) {
    send_(MouseEvent(control_, FormEventKind::MouseDown, e, ButtonNumber(e->button())));
}

void FormDrawn::mouseDoubleClickEvent(QMouseEvent* e) {
    send_(MouseEvent(control_, FormEventKind::DoubleClick, e, ButtonNumber(e->button())));
}

void FormDrawn::mouseReleaseEvent(QMouseEvent* e) {
    send_(MouseEvent(control_, FormEventKind::MouseUp, e, ButtonNumber(e->button())));
}

void FormDrawn::mouseMoveEvent(QMouseEvent* e) {
    send_(MouseEvent(control_, FormEventKind::MouseMove, e, ButtonsNumber(e->buttons())));
}

} // namespace tarvenel::qt
