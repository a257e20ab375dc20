// The lists of a Qt form: their entries, and their fields, which are made
// after the window's first paint.
#include "platform/qt/native_form.h"

#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

#include "platform/qt/form_widgets.h"
#include "platform/qt/qt_string.h"

namespace tarvenel::qt {

QLineEdit* QtForm::StandIn() {
    // A screen reader reads the lists' fields from the start.
    if (QAccessible::isActive())
        return nullptr;
    if (!standIn_) {
        // A field as an editable list makes its own: no frame, the form's
        // font and style.
        standIn_ = new QLineEdit(this);
        standIn_->setFrame(false);
        standIn_->hide();
    }
    return standIn_;
}

void QtForm::MakeListsEditable() {
    for (const auto& entry : controls_)
        if (auto* list = dynamic_cast<FormList*>(Widget(entry.first)))
            list->MakeEditable();
    delete standIn_;
    standIn_ = nullptr;
}

void QtForm::ClearEntries(int control) {
    auto* list = static_cast<FormList*>(Widget(control));
    QSignalBlocker block(list);
    const QString field = list->Field();
    list->clear();
    list->ShowText(field);
}

// The field keeps its text when entries come and go. Laying it out again
// costs the first window dearly, so only when the change moved the current
// entry off the field's text; and a whole list goes in as one insertion.
void QtForm::AddEntries(int control, const std::vector<std::string>& texts) {
    auto* list = static_cast<FormList*>(Widget(control));
    QSignalBlocker block(list);
    const QString field = list->Field();
    QStringList entries;
    entries.reserve(static_cast<qsizetype>(texts.size()));
    for (const std::string& text : texts)
        entries.append(ToQt(text));
    list->addItems(entries);
    if (list->currentIndex() != list->findText(field, Qt::MatchExactly))
        list->ShowText(field);
}

void QtForm::RemoveEntry(int control, int index) {
    auto* list = static_cast<FormList*>(Widget(control));
    QSignalBlocker block(list);
    const QString field = list->Field();
    list->removeItem(index);
    if (list->currentIndex() != list->findText(field, Qt::MatchExactly))
        list->ShowText(field);
}

int QtForm::EntryCount(int control) const {
    return static_cast<QComboBox*>(Widget(control))->count();
}

std::string QtForm::Entry(int control, int index) const {
    return FromQt(static_cast<QComboBox*>(Widget(control))->itemText(index));
}

} // namespace tarvenel::qt
