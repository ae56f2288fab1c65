#include "fees/base_fee_window.h"

namespace lumtar {

TForm2::TForm2(Shell& shell, QWidget* parent) : QDialog(parent), shell_(shell) {}

}  // namespace lumtar
