#pragma once
// Page "迟延利息": interest for delayed performance.

#include "app/page.h"
#include "app/shell.h"

namespace lumtar {

class InterestPage : public Page {
    Q_OBJECT
public:
    explicit InterestPage(Shell& shell, QWidget* parent = nullptr);
    void recompute() override;

private:
    Shell& shell_;
};

}  // namespace lumtar
