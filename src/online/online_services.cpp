#include "online/online_services.h"

namespace lumtar {

OnlineServices::OnlineServices(Shell& shell, const OnlineControls& controls, QObject* parent)
    : QObject(parent), shell_(shell), controls_(controls) {}

void OnlineServices::startCheck() {}

void OnlineServices::shutdown() {}

}  // namespace lumtar
