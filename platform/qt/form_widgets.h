#pragma once
// The Qt widgets a form's controls are made of. Their input leaves through a
// send function as the core's events; what the input means is the core's.
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <functional>

#include "app/native_form.h"
#include "platform/qt/accessibility.h"

class QLineEdit;
class QMouseEvent;

namespace tarvenel::qt {

// Hands an event to the form; true when it was used up.
using SendEvent = std::function<bool(const FormEvent&)>;

FormEvent MouseEvent(int control, FormEventKind kind, const QMouseEvent* event, int button);

// A label. Qt draws glyphs above 64 pixels as outlines and then drops the
// emboldening it gives a font without a bold face of its own (the usual CJK
// fonts), so such text is drawn here as a filled and stroked outline.
class FormLabel : public QLabel, public Described {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// An editable drop-down list whose current entry follows its text field, so
// that the arrow keys and the open list start from what the user sees.
// Typed text is never a choice, not even on Enter or when the user leaves.
// The field's line edit is the dearest part of the first window: it is made
// once the window has been painted, or at once when the user reaches the
// list; until then a stand-in line edit draws the field exactly as the
// list's own will.
class FormList : public QComboBox {
public:
    // madeEditable hears of the field's line edit once it exists.
    FormList(QWidget* parent, const QRect& place, QLineEdit* standIn,
             std::function<void(QLineEdit&)> madeEditable);
    QString Field() const;
    void ShowText(const QString& text);
    void MakeEditable();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QPointer<QLineEdit> standIn_;
    std::function<void(QLineEdit&)> madeEditable_;
    QString field_; // until the line edit holds it
};

// A check box whose mouse release reaches the form after the box has
// toggled; a toggle from the keyboard comes as such. The whole box switches.
class FormCheck : public QCheckBox {
public:
    FormCheck(QWidget* parent, int control, const QString& caption, SendEvent send);

protected:
    bool hitButton(const QPoint& position) const override { return rect().contains(position); }
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int control_;
    SendEvent send_;
    bool releasing_ = false;
};

// A push button; the focused one is the default one.
class FormPushButton : public QPushButton {
public:
    FormPushButton(const QString& caption, QWidget* parent);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

// A surface the core paints.
class FormDrawn : public QWidget, public Described {
public:
    FormDrawn(QWidget* parent, int control, SendEvent send);
    void Show(QImage face);
    const QImage& Face() const { return face_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    int control_;
    SendEvent send_;
    QImage face_;
    bool painting_ = false; // inside paintEvent: the new face is drawn there
};

} // namespace tarvenel::qt
