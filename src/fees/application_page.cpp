#include "fees/application_page.h"

namespace lumtar {

ApplicationFeePage::ApplicationFeePage(Shell& shell, QWidget* parent) : Page(parent), shell_(shell) {}

void ApplicationFeePage::recompute() {}

}  // namespace lumtar
