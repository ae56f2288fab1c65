// Lumtar's start-up as the program entry runs it, ending as soon as the main
// window has been shown and its first events handled.
#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>

#include "app/main_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lumtar"));
    QTemporaryDir settings;
    lumtar::AppOptions options;
    options.files = lumtar::SettingsFiles::inFolder(settings.path());
    options.siteUrl = QStringLiteral("http://127.0.0.1:9");
    lumtar::TForm1 form1(options);
    form1.show();
    form1.activateWindow();
    QTimer::singleShot(0, &app, &QApplication::quit);
    return QApplication::exec();
}
