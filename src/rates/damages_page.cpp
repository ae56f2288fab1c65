#include "rates/damages_page.h"

namespace lumtar {

DamagesPage::DamagesPage(Shell& shell, QWidget* parent) : Page(parent), shell_(shell) {}

void DamagesPage::recompute() {}

}  // namespace lumtar
