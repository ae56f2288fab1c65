#include "dates/date_page.h"

namespace lumtar {

DatePage::DatePage(Shell& shell, QWidget* parent) : Page(parent), shell_(shell) {}

void DatePage::recompute() {}

}  // namespace lumtar
