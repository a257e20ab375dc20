// Message boxes: icons, buttons, the default button and Escape.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

#include "platform/qt/message_boxes.h"

namespace tarvenel::qt {
namespace {

// Shows a box and, once it is up, lets `act` look at it and answer it.
int Answer(int style, const std::function<void(QMessageBox&)>& act) {
    QTimer::singleShot(0, [act] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        act(*box);
    });
    MessageBoxes boxes;
    return boxes.MessageBox("第一行\r\n第二行", style, "Tarvenel");
}

TEST(MessageBoxes, TheExitQuestionDefaultsToNoAndEscapeCancels) {
    const int style = mb::kYesNoCancel | mb::kIconQuestion | mb::kDefaultButton2;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString text, title;
    int buttons = 0;
    EXPECT_EQ(Answer(style,
                     [&](QMessageBox& box) {
                         icon = box.icon();
                         text = box.text();
                         title = box.windowTitle();
                         buttons = static_cast<int>(box.buttons().size());
                         QTest::keyClick(&box, Qt::Key_Return);
                     }),
              mb::kAnswerNo);
    EXPECT_EQ(icon, QMessageBox::Question);
    EXPECT_EQ(text, "第一行\n第二行");
    EXPECT_EQ(title, "Tarvenel");
    EXPECT_EQ(buttons, 3);

    EXPECT_EQ(Answer(style, [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); }),
              mb::kAnswerCancel);
    EXPECT_EQ(Answer(style,
                     [](QMessageBox& box) {
                         for (QAbstractButton* button : box.buttons())
                             if (button->text().startsWith("是"))
                                 button->click();
                     }),
              mb::kAnswerYes);
}

TEST(MessageBoxes, InformationAndWarningsHaveOneOkButton) {
    for (auto [style, expected] : {std::pair{mb::kIconInformation, QMessageBox::Information},
                                   std::pair{mb::kIconExclamation, QMessageBox::Warning},
                                   std::pair{mb::kOk, QMessageBox::NoIcon}}) {
        QMessageBox::Icon icon = QMessageBox::Critical;
        int buttons = 0;
        EXPECT_EQ(Answer(style,
                         [&](QMessageBox& box) {
                             icon = box.icon();
                             buttons = static_cast<int>(box.buttons().size());
                             QTest::keyClick(&box, Qt::Key_Escape);
                         }),
                  mb::kAnswerOk);
        EXPECT_EQ(icon, expected);
        EXPECT_EQ(buttons, 1);
    }
}

} // namespace
} // namespace tarvenel::qt
