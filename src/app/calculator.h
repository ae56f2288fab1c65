#pragma once

class QWidget;

namespace lumtar {

// Starts the desktop's calculator: calc.exe on Windows, elsewhere the first of
// the common ones found on PATH. Reports nothing when there is none.
void StartCalculator(QWidget* owner);

}  // namespace lumtar
