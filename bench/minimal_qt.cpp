// The yardstick for start-up: the smallest Qt Widgets program, one window with
// a label, built with the same flags as Lumtar. It quits as soon as the window
// has been shown, as the Lumtar probe does.
#include <QApplication>
#include <QLabel>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Lumtar"));
    label.resize(625, 449);
    label.show();
    QTimer::singleShot(0, &app, &QApplication::quit);
    return QApplication::exec();
}
