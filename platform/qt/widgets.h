#pragma once
// Native widgets that are also the core's control interfaces. The widget is
// the single source of truth: the adapters only read and write it. Mouse
// events leave as signals with the classic button and shift numbers.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "app/controls.h"
#include "app/form_design.h"
#include "platform/qt/accessibility.h"

namespace tarvenel::qt {

// Classic mouse-event numbers: left 1, right 2, middle 4; shift 1, ctrl 2, alt 4.
int ButtonNumber(Qt::MouseButton button);
int ButtonsNumber(Qt::MouseButtons buttons);
int ShiftNumber(Qt::KeyboardModifiers modifiers);
// Classic virtual-key numbers of a Qt key (0 for keys the forms never see).
int VirtualKeyOf(int qtKey);

// A label that reports presses and clicks (press and release over it).
class LabelWidget : public QLabel, public Label, public Described {
    Q_OBJECT
public:
    explicit LabelWidget(QWidget* parent);
    // How its width follows its text from now on; the width it has now is
    // the least GrowToText gives it.
    void SetWidthRule(LabelWidth rule);
    std::string Caption() const override;
    void SetCaption(const std::string& text) override;
    int Width() const override { return PixelsToTwips(width()); }
    int Height() const override { return PixelsToTwips(height()); }

signals:
    void pressed(int button, int shift, QPointF position);
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    bool pressedInside_ = false;
    LabelWidth widthRule_ = LabelWidth::Fixed;
    int laidOutWidth_ = 0;
};

// A label for big bold text. Qt draws glyphs above 64 pixels as outlines and
// then drops the emboldening it gives a font that has no bold face of its
// own (the usual CJK fonts), so such text is drawn as a filled and stroked
// outline here.
class BigTextLabel : public LabelWidget {
    Q_OBJECT
public:
    using LabelWidget::LabelWidget;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// An editable drop-down list. activated() is the user's choice of an entry
// (the open list, the arrow keys, the wheel); typed text never emits it, not
// even when it matches an entry and the user presses Enter or leaves.
class ComboWidget : public QComboBox, public ComboBox {
    Q_OBJECT
public:
    explicit ComboWidget(QWidget* parent);
    void Clear() override;
    void AddItem(const std::string& text) override;
    void RemoveItem(int index) override;
    int ListCount() const override;
    std::string List(int index) const override;
    int ListIndex() const override;
    std::string Text() const override;
    void SetText(const std::string& text) override;
    bool Enabled() const override;
    void SetEnabled(bool enabled) override;

private:
    void ShowText(const QString& text);
};

// A check box whose mouse releases are reported after the box has toggled,
// for any button that went down on it, with the release point relative to
// the box in pixels. The whole box switches, not only its label; a toggle
// from the keyboard is reported as a left-button release inside.
class CheckWidget : public QCheckBox, public CheckBox {
    Q_OBJECT
public:
    CheckWidget(const QString& caption, QWidget* parent);
    int Value() const override;
    void SetValue(int value) override;
    int Width() const override { return width(); }
    int Height() const override { return height(); }

signals:
    void mouseUp(int button, int shift, float x, float y);

protected:
    bool hitButton(const QPoint& position) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Qt::MouseButtons pressedButtons_;
    bool releasing_ = false; // inside a mouse release
};

// A picture that reports presses (the armed tick).
class PictureWidget : public QLabel, public Picture, public Described {
    Q_OBJECT
public:
    PictureWidget(const QPixmap& picture, QWidget* parent);
    bool Visible() const override { return !isHidden(); }
    void SetVisible(bool visible) override { setVisible(visible); }

signals:
    void pressed(int button, int shift, QPointF position);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
};

// A caption image button: no picture, its hover picture or its pressed one.
// Coordinates of its mouse events are twips.
class CaptionImageWidget : public QLabel, public ImageButton, public Described {
    Q_OBJECT
public:
    CaptionImageWidget(QPixmap hover, QPixmap pressed, QWidget* parent);
    void ShowFace(ImageFace face) override;
    ImageFace Face() const { return face_; }

signals:
    void mouseMove(int button, int shift, float x, float y);
    void mouseDown(int button, int shift, float x, float y);
    void mouseUp(int button, int shift, float x, float y);
    void clicked();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap hover_;
    QPixmap pressed_;
    ImageFace face_ = ImageFace::None;
};

// A push button as the forms see it; the focused one shows as the default.
class PushButtonWidget : public QPushButton, public CommandButton {
    Q_OBJECT
public:
    PushButtonWidget(const QString& caption, QWidget* parent);
    std::string Caption() const override;
    void SetCaption(const std::string& text) override;
    bool Enabled() const override { return isEnabled(); }
    void SetEnabled(bool enabled) override { setEnabled(enabled); }
    void SetFocus() override { setFocus(Qt::OtherFocusReason); }

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

// A timer whose ticks call the form's handler. One that keeps to the
// wall clock's seconds (the clock, 1000 ms) ticks just after each second
// begins instead of at its own rhythm.
class TimerAdapter : public Timer {
public:
    enum class Rhythm { Own, WallClockSeconds };
    TimerAdapter(int intervalMs, bool enabled, std::function<void()> onTick,
                 Rhythm rhythm = Rhythm::Own);
    bool Enabled() const override { return timer_.isActive(); }
    void SetEnabled(bool enabled) override;
    int Interval() const override { return intervalMs_; }

private:
    void Start();

    QTimer timer_;
    int intervalMs_;
    Rhythm rhythm_;
};

} // namespace tarvenel::qt

namespace tarvenel::qt {

// A transparent strip that reports mouse moves and presses (the caption
// strip the user drags the window by).
class StripWidget : public QWidget {
    Q_OBJECT
public:
    explicit StripWidget(QWidget* parent);

signals:
    void mouseMove(int button, int shift, float x, float y);
    void pressed(int button, int shift, QPointF position);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

} // namespace tarvenel::qt
