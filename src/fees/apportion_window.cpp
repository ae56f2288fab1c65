#include "fees/apportion_window.h"

namespace lumtar {

Tfrmfen::Tfrmfen(Shell& shell, QWidget* parent) : QDialog(parent), shell_(shell) {}

}  // namespace lumtar
