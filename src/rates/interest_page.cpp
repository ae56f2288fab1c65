#include "rates/interest_page.h"

namespace lumtar {

InterestPage::InterestPage(Shell& shell, QWidget* parent) : Page(parent), shell_(shell) {}

void InterestPage::recompute() {}

}  // namespace lumtar
