#include "platform/qt/message_boxes.h"

#include <QMessageBox>
#include <QPushButton>

#include "platform/qt/qt_string.h"

namespace tarvenel::qt {
namespace {

QMessageBox::Icon IconOf(int style) {
    switch (style & 0xF0) {
    case mb::kIconError:
        return QMessageBox::Critical;
    case mb::kIconQuestion:
        return QMessageBox::Question;
    case mb::kIconExclamation:
        return QMessageBox::Warning;
    case mb::kIconInformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

int MessageBoxes::MessageBox(const std::string& text, int style, const std::string& caption) {
    QWidget* parent = parent_ && parent_->isVisible() ? parent_.data() : nullptr;
    QMessageBox box(IconOf(style), ToQt(caption), ToQtLines(text), QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    if ((style & 0xF) == mb::kYesNoCancel) {
        QPushButton* yes = box.addButton(QStringLiteral("是(&Y)"), QMessageBox::YesRole);
        QPushButton* no = box.addButton(QStringLiteral("否(&N)"), QMessageBox::NoRole);
        QPushButton* cancel = box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
        box.setDefaultButton((style & mb::kDefaultButton2) ? no : yes);
        box.setEscapeButton(cancel);
        box.exec();
        if (box.clickedButton() == yes)
            return mb::kAnswerYes;
        if (box.clickedButton() == no)
            return mb::kAnswerNo;
        return mb::kAnswerCancel;
    }
    QPushButton* ok = box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
    return mb::kAnswerOk;
}

} // namespace tarvenel::qt
