#pragma once
// Every message the program shows goes through here: the modal OK box with the
// application title, and the standard error box for an error that escaped a
// handler. Tests install a handler that answers instead of a real box.

#include <QString>
#include <functional>

class QWidget;

namespace lumtar {

enum class BoxKind { Information, Error };

struct ShownBox {
    BoxKind kind;
    QString title;
    QString text;
};

using BoxHandler = std::function<void(const ShownBox&)>;

// The modal OK box: caption "Lumtar", the given text.
void ShowMessage(QWidget* parent, const QString& text);
// The standard error box: caption "Lumtar", error icon, the error's text.
void ShowError(QWidget* parent, const QString& text);

// With a handler installed no real box opens: the handler receives the box,
// and the window under it is told it is active again, as when a real box closes.
void SetBoxHandler(BoxHandler handler);

}  // namespace lumtar
