#include "app/activation.h"

#include <QApplication>
#include <QEvent>
#include <utility>

namespace lumtar {

bool ProgramActivation::isActivation(const QEvent* event) {
    // When the window loses activation to another window of the program, that
    // window is already the active one; to another program, none is.
    if (event->type() == QEvent::WindowDeactivate)
        leftForAnotherProgram_ = QApplication::activeWindow() == nullptr;
    return event->type() == QEvent::WindowActivate && !std::exchange(leftForAnotherProgram_, false);
}

}  // namespace lumtar
