// Lumtar's start-up as the program entry runs it, ending once the main window
// has been painted for the first time.
#include <QTemporaryDir>

#include "app/main_window.h"
#include "first_paint.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lumtar"));
    QTemporaryDir settings;
    lumtar::AppOptions options;
    options.files = lumtar::SettingsFiles::inFolder(settings.path());
    options.siteUrl = QStringLiteral("http://127.0.0.1:9");
    lumtar::TForm1 form1(options);
    new QuitAfterFirstPaint(&form1);
    form1.show();
    form1.activateWindow();
    const int status = QApplication::exec();
    DumpMappingsIfAsked();
    return status;
}
