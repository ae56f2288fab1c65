#pragma once
// Page "迟延利息": interest for delayed performance.

#include "app/page.h"
#include "app/shell.h"
#include "rates/benchmark_rates.h"

class QDateEdit;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace lumtar {

class InterestPage : public Page {
    Q_OBJECT
public:
    explicit InterestPage(Shell& shell, QWidget* parent = nullptr);
    // Button4Click: recomputes the page from the pickers and the amount field.
    void recompute() override;

private:
    void DateTimePickerstartChange();
    void DateTimePickerendChange();

    Shell& shell_;
    BenchmarkRates rates_;
    QDateEdit* DateTimePickerstart = nullptr;
    QDateEdit* DateTimePickerend = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QPushButton* Button4 = nullptr;
    QPlainTextEdit* Memo3 = nullptr;
};

}  // namespace lumtar
