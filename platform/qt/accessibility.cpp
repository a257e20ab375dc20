#include "platform/qt/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>

#include "platform/qt/qt_string.h"

namespace tarvenel::qt {

void Described::Describe(std::function<AccessibleInfo()> describe, std::function<void()> press) {
    describe_ = std::move(describe);
    press_ = std::move(press);
}

void Described::Press() const {
    if (press_)
        press_();
}

namespace {

QAccessible::Role RoleOf(AccessibleRole role) {
    switch (role) {
    case AccessibleRole::PushButton:
        return QAccessible::Button;
    case AccessibleRole::CheckBox:
        return QAccessible::CheckBox;
    case AccessibleRole::RadioButton:
        return QAccessible::RadioButton;
    case AccessibleRole::Link:
        return QAccessible::Link;
    case AccessibleRole::Image:
        return QAccessible::Graphic;
    case AccessibleRole::Label:
        break;
    }
    return QAccessible::StaticText;
}

class DescribedAccessible : public QAccessibleWidget {
public:
    DescribedAccessible(QWidget* widget, const Described& described)
        : QAccessibleWidget(widget), described_(described) {}

    QAccessible::Role role() const override {
        return described_.IsDescribed() ? RoleOf(described_.Accessible().role)
                                        : QAccessibleWidget::role();
    }

    QString text(QAccessible::Text t) const override {
        if (!described_.IsDescribed())
            return QAccessibleWidget::text(t);
        const AccessibleInfo info = described_.Accessible();
        switch (t) {
        case QAccessible::Name:
            return ToQt(info.name);
        case QAccessible::Description:
            return ToQt(info.description);
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (!described_.IsDescribed())
            return s;
        const AccessibleState& a = described_.Accessible().state;
        s.disabled = !a.enabled;
        s.focusable = a.focusable;
        s.focused = a.focused;
        s.defaultButton = a.isDefault;
        s.checkable = a.checkable;
        s.checked = a.checked;
        return s;
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (described_.IsDescribed() && described_.Accessible().Pressable())
            names.prepend(pressAction());
        return names;
    }

    QString localizedActionName(const QString& action) const override {
        return action == pressAction() ? ToQt(kPressActionName)
                                       : QAccessibleWidget::localizedActionName(action);
    }

    void doAction(const QString& action) override {
        if (action != pressAction() || !described_.IsDescribed() ||
            !described_.Accessible().Pressable()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        // The caller waits for the answer: a click that opens a message box
        // must not keep it waiting, so the press runs from the event loop.
        QMetaObject::invokeMethod(
            widget(),
            [target = QPointer<QWidget>(widget()), described = &described_] {
                if (target)
                    described->Press();
            },
            Qt::QueuedConnection);
    }

private:
    const Described& described_;
};

QAccessibleInterface* Factory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    // A window made from a plain widget (the frameless main window) reads
    // as a window, not as a nameless filler.
    if (widget && widget->isWindow() &&
        widget->metaObject()->superClass() == &QWidget::staticMetaObject)
        return new QAccessibleWidget(widget, QAccessible::Window);
    const auto* described = dynamic_cast<const Described*>(object);
    // Qt may ask while the widget is being made (a change it announces),
    // before Describe: the interface it keeps reads the description live.
    if (!widget || !described)
        return nullptr;
    return new DescribedAccessible(widget, *described);
}

} // namespace

void InstallAccessibility() {
    QAccessible::installFactory(Factory);
}

void AnnounceChange(QWidget& widget, AccessibleChange change) {
    if (change == AccessibleChange::Name) {
        QAccessibleEvent event(&widget, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
        return;
    }
    QAccessible::State changed;
    changed.disabled = true;
    changed.checked = true;
    changed.defaultButton = true;
    QAccessibleStateChangeEvent event(&widget, changed);
    QAccessible::updateAccessibility(&event);
}

} // namespace tarvenel::qt
