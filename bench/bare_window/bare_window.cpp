// The yardstick for start-up: the least a Qt program shows, one window with one label.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Bare window"));
    label.setWindowTitle(QStringLiteral("Bare Qt window"));
    label.resize(520, 580);
    label.show();
    return QApplication::exec();
}
