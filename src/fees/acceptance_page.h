#pragma once
// Page "受理费": the case acceptance fee.

#include "app/page.h"
#include "app/shell.h"

namespace lumtar {

class AcceptanceFeePage : public Page {
    Q_OBJECT
public:
    explicit AcceptanceFeePage(Shell& shell, QWidget* parent = nullptr);
    void recompute() override;

private:
    Shell& shell_;
};

}  // namespace lumtar
