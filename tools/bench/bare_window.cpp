// The reference for the first-window time: a plain Qt Widgets window of the
// main window's size, built and started like the program. With --text it
// also shows one line of Chinese text, the floor for any window that has
// words on it: the font set-up a first paint with text cannot skip.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare-window"));
    window.setFixedSize(376, 216);
    if (QApplication::arguments().contains(QStringLiteral("--text"))) {
        auto* line = new QLabel(QStringLiteral("当前时间：2026年12月7日 22:30:00"), &window);
        line->setFont(QFont(QStringLiteral("宋体"), 9));
        line->move(16, 37);
    }
    window.show();
    return QApplication::exec();
}
