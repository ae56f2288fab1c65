#include "app/message_box.h"

#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QPointer>

namespace lumtar {
namespace {

BoxHandler& Handler() {
    static BoxHandler handler;
    return handler;
}

void Show(QWidget* parent, BoxKind kind, const QString& text) {
    const QString title = QStringLiteral("Lumtar");
    QPointer<QWidget> window = parent ? parent->window() : nullptr;
    if (Handler()) {
        Handler()({kind, title, text});
        // A real box gives activation back to its window when it closes.
        if (window) {
            QEvent activate(QEvent::WindowActivate);
            QCoreApplication::sendEvent(window, &activate);
        }
        return;
    }
    QMessageBox box(kind == BoxKind::Error ? QMessageBox::Critical : QMessageBox::NoIcon, title,
                    text, QMessageBox::Ok, window);
    box.exec();
}

}  // namespace

void ShowMessage(QWidget* parent, const QString& text) {
    Show(parent, BoxKind::Information, text);
}

void ShowError(QWidget* parent, const QString& text) {
    Show(parent, BoxKind::Error, text);
}

void SetBoxHandler(BoxHandler handler) {
    Handler() = std::move(handler);
}

}  // namespace lumtar
