#include "platform/qt/native_form.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStyleHints>
#include <QWindow>

#include "platform/qt/accessibility.h"
#include "platform/qt/fonts.h"
#include "platform/qt/form_widgets.h"
#include "platform/qt/input.h"
#include "platform/qt/pictures.h"
#include "platform/qt/qt_string.h"
#include "platform/qt/qt_text_renderer.h"
#include "platform/qt/qt_units.h"
#include "platform/qt/x11_window.h"
#include "power/frm_end.h"
#include "power/frm_end_design.h"

namespace tarvenel::qt {

struct QtForm::Control {
    ControlKind kind;
    std::string name;
    QWidget* widget = nullptr; // a child of the form, which deletes it
    std::unique_ptr<QShortcut> accessKey;
};

QtForm::QtForm(Frame frame)
    : QWidget(nullptr, frame == Frame::Skinned
                           ? Qt::Window | Qt::FramelessWindowHint
                           : Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                                 Qt::CustomizeWindowHint),
      frame_(frame), flashTime_(QGuiApplication::styleHints()->cursorFlashTime()) {
    // Hiding to the tray and closing the countdown must not end the program.
    setAttribute(Qt::WA_QuitOnClose, false);
    UseFormsFont();
    setFont(ToQFont(FontSpec{}));
    if (frame_ == Frame::Skinned) {
        setWindowIcon(ProgramIcon());
        setMouseTracking(true);
        QPalette white = palette();
        white.setColor(QPalette::Window, Qt::white);
        setPalette(white);
        // The lists are only 20 pixels high and 49 wide: a narrow arrow and
        // little padding leave room for entries such as 23时. One sheet for
        // the window, not one a list: each costs the first window a style.
        setStyleSheet(QStringLiteral("QComboBox { padding: 0px 1px; }"
                                     "QComboBox::drop-down { width: 13px; }"));
    } else {
        setWindowIcon(CountdownIcon());
        // A dialog of fixed size: it cannot be maximised either.
        setFixedSize(PixelRect(frm_end_design::kClientArea).size());
    }
}

QtForm::~QtForm() {
    closed_ = true;
    SetCaretResting(false);
}

QtForm::Control* QtForm::At(int control) const {
    const auto found = controls_.find(control);
    return found == controls_.end() ? nullptr : found->second.get();
}

std::optional<ControlKind> QtForm::KindOf(int control) const {
    const Control* c = At(control);
    return c ? std::optional(c->kind) : std::nullopt;
}

QWidget* QtForm::Widget(int control) const {
    const Control* c = At(control);
    return c ? c->widget : nullptr;
}

QWidget* QtForm::Widget(const std::string& name) const {
    for (const auto& [id, c] : controls_)
        if (c->name == name)
            return c->widget;
    return nullptr;
}

int QtForm::ControlOf(const QObject* object) const {
    for (; object && object != this; object = object->parent())
        for (const auto& [id, c] : controls_)
            if (c->widget == object)
                return id;
    return kForm;
}

const QImage& QtForm::Face(int control) const {
    if (const Control* c = At(control); c && c->kind == ControlKind::Drawn)
        return static_cast<FormDrawn*>(c->widget)->Face();
    return background_;
}

bool QtForm::Send(const FormEvent& event) {
    return sink_ && !closed_ && sink_->OnEvent(event);
}

void QtForm::Make(int control, const ControlSpec& spec) {
    auto c = std::make_unique<Control>();
    c->kind = spec.kind;
    c->name = spec.name;
    const SendEvent send = [this](const FormEvent& event) { return Send(event); };
    QWidget* widget = nullptr;
    switch (spec.kind) {
    case ControlKind::Label: {
        // Its text is set once it is whole: a screen reader that hears of
        // the text asks for the label's description, which a half-made
        // label cannot give.
        auto* label = new FormLabel(this);
        label->setTextFormat(Qt::PlainText);
        label->setText(ToQt(spec.text));
        label->setMouseTracking(true);
        if (spec.centred)
            label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->Describe([this, control] { return sink_->Describe(control); },
                        [this, control] {
                            Send({control, FormEventKind::Press});
                        });
        widget = label;
        break;
    }
    case ControlKind::List: {
        auto* list = new FormList(this, PixelRect(spec.place), StandIn(),
                                  [this](QLineEdit& field) { field.installEventFilter(this); });
        list->ShowText(ToQt(spec.text));
        connect(list, &QComboBox::activated, this, [this, control] {
            Send({control, FormEventKind::Chosen});
        });
        widget = list;
        break;
    }
    case ControlKind::CheckBox:
        widget = new FormCheck(this, control, ToQt(spec.text), send);
        break;
    case ControlKind::Button: {
        auto* button = new FormPushButton(ToQt(spec.text), this);
        connect(button, &QPushButton::clicked, this, [this, control] {
            Send({control, FormEventKind::Clicked});
        });
        widget = button;
        break;
    }
    case ControlKind::Drawn: {
        auto* drawn = new FormDrawn(this, control, send);
        drawn->setFocusPolicy(spec.tabStop ? Qt::StrongFocus : Qt::NoFocus);
        drawn->Describe([this, control] { return sink_->Describe(control); },
                        [this, control] {
                            Send({control, FormEventKind::Press});
                        });
        widget = drawn;
        break;
    }
    }
    widget->setGeometry(PixelRect(spec.place));
    if (!spec.toolTip.empty())
        widget->setToolTip(ToQt(spec.toolTip));
    if (spec.handCursor) {
        if (!hand_)
            hand_ = HandCursor();
        widget->setCursor(*hand_);
    }
    if (spec.font != FontSpec{})
        widget->setFont(ToQFont(spec.font));
    QPalette palette = widget->palette();
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, ColourOf(spec.textColour));
    if (spec.backColour) {
        palette.setColor(QPalette::Button, ColourOf(*spec.backColour));
        if (spec.kind != ControlKind::Button) {
            palette.setColor(QPalette::Window, ColourOf(*spec.backColour));
            widget->setAutoFillBackground(spec.kind == ControlKind::CheckBox);
        }
    }
    widget->setPalette(palette);
    widget->installEventFilter(this);
    widget->setVisible(spec.visible);
    if (spec.tabStop) {
        if (!stops_.empty())
            setTabOrder(stops_.back(), widget);
        stops_.push_back(widget);
    }
    c->widget = widget;
    controls_[control] = std::move(c);
}

// --- Any control, and the window

std::string QtForm::Text(int control) const {
    const Control* c = At(control);
    if (!c)
        return FromQt(windowTitle());
    if (auto* label = qobject_cast<QLabel*>(c->widget))
        return FromQt(label->text());
    if (auto* list = dynamic_cast<FormList*>(c->widget))
        return FromQt(list->Field());
    if (auto* button = qobject_cast<QAbstractButton*>(c->widget))
        return FromQt(button->text());
    return FromQt(c->widget->accessibleName());
}

void QtForm::SetText(int control, const std::string& text) {
    const Control* c = At(control);
    if (!c) {
        setWindowTitle(ToQt(text));
    } else if (auto* label = qobject_cast<QLabel*>(c->widget)) {
        label->setText(ToQt(text));
    } else if (auto* list = dynamic_cast<FormList*>(c->widget)) {
        QSignalBlocker block(list);
        list->ShowText(ToQt(text));
    } else if (auto* button = qobject_cast<QAbstractButton*>(c->widget)) {
        button->setText(ToQt(text));
    } else {
        c->widget->setAccessibleName(ToQt(text));
    }
}

bool QtForm::Enabled(int control) const {
    const QWidget* w = Widget(control);
    return w ? w->isEnabled() : isEnabled();
}

void QtForm::SetEnabled(int control, bool enabled) {
    if (QWidget* w = Widget(control))
        w->setEnabled(enabled);
}

bool QtForm::Visible(int control) const {
    const QWidget* w = Widget(control);
    return w ? !w->isHidden() : isVisible();
}

void QtForm::SetVisible(int control, bool visible) {
    if (QWidget* w = Widget(control)) {
        w->setVisible(visible);
        return;
    }
    if (!visible) {
        hide();
        return;
    }
    if (frame_ == Frame::Dialog && !isVisible()) {
        KeepOffTaskbar(*this);
        // Centred on the screen, as a dialog is.
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            move(screen->geometry().center() - rect().center());
    }
    show();
    raise();
    activateWindow();
}

bool QtForm::Focused(int control) const {
    const QWidget* w = Widget(control);
    return w ? w->hasFocus() : focusWidget() != nullptr;
}

void QtForm::Focus(int control) {
    if (QWidget* w = Widget(control))
        w->setFocus(Qt::OtherFocusReason);
    else
        setFocus(Qt::OtherFocusReason);
}

TwipsRect QtForm::Place(int control) const {
    if (const QWidget* w = Widget(control)) {
        const QRect r = w->geometry();
        return {PixelsToTwips(r.x()), PixelsToTwips(r.y()), PixelsToTwips(r.width()),
                PixelsToTwips(r.height())};
    }
    // A dialog's outer size includes the frame the window manager draws, so
    // its client area keeps the form's own proportions.
    const QSize frame = frame_ == Frame::Dialog
                            ? QSize(kEndWidthTwips - frm_end_design::kClientArea.width,
                                    kEndHeightTwips - frm_end_design::kClientArea.height)
                            : QSize(0, 0);
    return {PixelsToTwips(x()), PixelsToTwips(y()),
            PixelsToTwips(TwipsToPixels(frame.width()) + width()),
            PixelsToTwips(TwipsToPixels(frame.height()) + height())};
}

void QtForm::SetPlace(int control, const TwipsRect& place) {
    if (QWidget* w = Widget(control)) {
        w->setGeometry(PixelRect(place));
        return;
    }
    const TwipsRect now = Place(kForm);
    if (place.width != now.width || place.height != now.height) {
        const int frameWidth = frame_ == Frame::Dialog ? now.width - PixelsToTwips(width()) : 0;
        const int frameHeight = frame_ == Frame::Dialog ? now.height - PixelsToTwips(height()) : 0;
        setFixedSize(TwipsToPixels(place.width - frameWidth),
                     TwipsToPixels(place.height - frameHeight));
    }
    if (place.left != now.left || place.top != now.top)
        move(TwipsToPixels(place.left), TwipsToPixels(place.top));
}

int QtForm::TextWidth(int control, const std::string& text) const {
    const QWidget* w = Widget(control);
    const QFontMetrics metrics((w ? w : this)->font());
    return PixelsToTwips(metrics.horizontalAdvance(ToQt(text)));
}

void QtForm::AnnounceChange(int control, AccessibleChange change) {
    if (QWidget* w = Widget(control))
        tarvenel::qt::AnnounceChange(*w, change);
}

// --- Check boxes

bool QtForm::Checked(int control) const {
    return static_cast<QCheckBox*>(Widget(control))->isChecked();
}

void QtForm::SetChecked(int control, bool checked) {
    static_cast<QCheckBox*>(Widget(control))->setChecked(checked);
}

// --- Drawn controls

void QtForm::ShowFace(int control, const Bitmap& face) {
    if (const Control* c = At(control); c && c->kind == ControlKind::Drawn) {
        static_cast<FormDrawn*>(c->widget)->Show(ToImage(face));
        return;
    }
    background_ = ToImage(face);
    update();
}

void QtForm::SetOutline(int control, const Region& outline) {
    if (QWidget* w = Widget(control))
        w->setMask(ToQRegion(outline));
    else
        setMask(ToQRegion(outline));
}

void QtForm::Capture(int control, bool on) {
    QWidget* w = Widget(control);
    if (!w)
        return;
    if (on)
        w->grabMouse();
    else
        w->releaseMouse();
}

bool QtForm::CursorOver(int control) const {
    // The widget under the cursor must be this one (not a window over it)
    // and the point inside its outline. A disabled one is never under the
    // cursor, as for the system's window-from-point.
    QWidget* w = Widget(control);
    const QPoint global = QCursor::pos();
    if (!w || !w->isEnabled() || QApplication::widgetAt(global) != w)
        return false;
    const QPoint local = w->mapFromGlobal(global);
    return w->mask().isEmpty() ? w->rect().contains(local) : w->mask().contains(local);
}

void QtForm::CursorAt(int control, float& x, float& y) const {
    const QWidget* w = Widget(control);
    const QPoint local = (w ? w : this)->mapFromGlobal(QCursor::pos());
    x = static_cast<float>(local.x());
    y = static_cast<float>(local.y());
}

void QtForm::SetAccessKey(int control, char key) {
    Control* c = At(control);
    if (!c)
        return;
    c->accessKey.reset();
    if (key == '\0')
        return;
    c->accessKey = std::make_unique<QShortcut>(
        QKeySequence(QStringLiteral("Alt+") + QChar::fromLatin1(key)), c->widget);
    c->accessKey->setContext(Qt::WindowShortcut);
    connect(c->accessKey.get(), &QShortcut::activated, this, [this, control] {
        if (Enabled(control))
            Send({control, FormEventKind::Clicked});
    });
}

// --- The window

WindowState QtForm::State() const {
    return isMinimized() ? WindowState::Minimised : WindowState::Normal;
}

void QtForm::SetState(WindowState state) {
    if (state == WindowState::Minimised) {
        if (isVisible())
            showMinimized();
        else
            setWindowState(windowState() | Qt::WindowMinimized);
        return;
    }
    if (isMinimized())
        showNormal(); // the state change runs the resize handler
    else
        show();
    raise();
    activateWindow();
}

void QtForm::BeginSystemMove() {
    if (windowHandle() && windowHandle()->startSystemMove())
        return;
    // No window manager, or one without the move protocol: move by hand
    // until the left button goes up.
    manualMove_ = true;
    moveOffset_ = QCursor::pos() - pos();
    grabMouse();
}

void QtForm::SetAlwaysOnTop(bool onTop) {
    // Changing a window flag hides the window; it is shown again.
    if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) != onTop)
        setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    SetVisible(kForm, true);
}

void QtForm::Close() {
    closed_ = true;
    for (auto& [id, timer] : timers_)
        timer->stop();
    close();
}

void QtForm::SetCaretResting(bool resting) {
    // A flash time of 0 stops the blinking with the caret shown.
    QGuiApplication::styleHints()->setCursorFlashTime(resting ? 0 : flashTime_);
}

std::unique_ptr<NativeForm> MakeCountdownForm() {
    return std::make_unique<QtForm>(QtForm::Frame::Dialog);
}

} // namespace tarvenel::qt
