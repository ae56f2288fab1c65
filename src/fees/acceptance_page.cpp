#include "fees/acceptance_page.h"

namespace lumtar {

AcceptanceFeePage::AcceptanceFeePage(Shell& shell, QWidget* parent) : Page(parent), shell_(shell) {}

void AcceptanceFeePage::recompute() {}

}  // namespace lumtar
