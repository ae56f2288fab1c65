#pragma once
// Page "日期计算": deadline counting and intervals.

#include "app/page.h"
#include "app/shell.h"

namespace lumtar {

class DatePage : public Page {
    Q_OBJECT
public:
    explicit DatePage(Shell& shell, QWidget* parent = nullptr);
    void recompute() override;

private:
    Shell& shell_;
};

}  // namespace lumtar
