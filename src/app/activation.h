#pragma once
// Tells a window's activations from within the program (its first showing,
// a return from another window or message box of the program) from a return
// from another program, which the platform also reports as an activation but
// which must not rerun the window's activation handler.

class QEvent;

namespace lumtar {

class ProgramActivation {
public:
    // Feed every event of the window; true for an activation from within the program.
    bool isActivation(const QEvent* event);
    // A fresh showing: nothing left over decides the next activation.
    void reset() { leftForAnotherProgram_ = false; }

private:
    bool leftForAnotherProgram_ = false;
};

}  // namespace lumtar
