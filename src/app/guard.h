#pragma once
// Runs an event handler so that an error escaping it is shown in the standard
// error box and the program carries on with the next event.

#include <QString>
#include <exception>
#include <utility>

#include "app/message_box.h"

namespace lumtar {

template <class Handler>
void Guarded(QWidget* owner, Handler&& handler) {
    try {
        std::forward<Handler>(handler)();
    } catch (const std::exception& e) {
        ShowError(owner, QString::fromUtf8(e.what()));
    } catch (...) {
        ShowError(owner, QStringLiteral("Unknown error"));
    }
}

}  // namespace lumtar
