#include "app/application.h"

#include <QApplication>
#include <exception>

#include "app/main_window.h"
#include "app/message_box.h"

namespace lumtar {
namespace {

// The last line of defence: an error that escapes an event goes to the
// standard error box and the program carries on.
class LumtarApplication : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& e) {
            ShowError(activeWindow(), QString::fromUtf8(e.what()));
        } catch (...) {
            ShowError(activeWindow(), QStringLiteral("Unknown error"));
        }
        return false;
    }
};

}  // namespace

int RunLumtar(int argc, char** argv, const Release& release) {
    LumtarApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lumtar"));
    QApplication::setApplicationDisplayName(QStringLiteral("Lumtar"));
    try {
        AppOptions options;
        options.release = &release;
        TForm1 form1(options);
        form1.show();
        form1.activateWindow();
        QApplication::exec();
    } catch (const std::exception& e) {
        ShowError(nullptr, QString::fromUtf8(e.what()));
    }
    return 0;
}

}  // namespace lumtar
