#pragma once
// Modal message boxes with the classic styles mapped onto QMessageBox.
#include <QPointer>
#include <QWidget>

#include "app/dialogs.h"

namespace tarvenel::qt {

class MessageBoxes : public Dialogs {
public:
    // parent: the window the boxes centre on while it is shown.
    void SetParent(QWidget* parent) { parent_ = parent; }
    int MessageBox(const std::string& text, int style, const std::string& caption) override;

private:
    QPointer<QWidget> parent_;
};

} // namespace tarvenel::qt
