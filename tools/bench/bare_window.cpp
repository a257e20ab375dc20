// The reference for the first-window time: a plain Qt Widgets window of the
// main window's size, built and started like the program.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare-window"));
    window.setFixedSize(376, 216);
    window.show();
    return QApplication::exec();
}
