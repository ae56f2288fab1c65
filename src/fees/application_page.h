#pragma once
// Page "申请费": the application fees.

#include "app/page.h"
#include "app/shell.h"

namespace lumtar {

class ApplicationFeePage : public Page {
    Q_OBJECT
public:
    explicit ApplicationFeePage(Shell& shell, QWidget* parent = nullptr);
    void recompute() override;

private:
    Shell& shell_;
};

}  // namespace lumtar
