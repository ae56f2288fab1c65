#pragma once
// Page "违约金": liquidated damages.

#include "app/page.h"
#include "app/shell.h"

namespace lumtar {

class DamagesPage : public Page {
    Q_OBJECT
public:
    explicit DamagesPage(Shell& shell, QWidget* parent = nullptr);
    void recompute() override;

private:
    Shell& shell_;
};

}  // namespace lumtar
