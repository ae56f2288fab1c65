#pragma once
// Page "违约金": liquidated damages.

#include "app/page.h"
#include "app/shell.h"
#include "rates/benchmark_rates.h"
#include "rates/damages_text.h"

class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace lumtar {

class DamagesPage : public Page {
    Q_OBJECT
public:
    explicit DamagesPage(Shell& shell, QWidget* parent = nullptr);
    // Button3Click: recomputes the page from its options, fields and pickers.
    void recompute() override;

private:
    void SpeedButton10Click();
    DamagesRate checkedRate() const;

    Shell& shell_;
    BenchmarkRates rates_;
    QRadioButton* RadioButton1 = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    QRadioButton* RadioButton3 = nullptr;
    QRadioButton* RadioButton6 = nullptr;  // the benchmark option; absent in release V13
    QLineEdit* Edit4 = nullptr;
    QDateEdit* DateTimePicker2 = nullptr;
    QDateEdit* DateTimePicker3 = nullptr;
    QLabel* jiange = nullptr;
    QPushButton* Button3 = nullptr;
    QPlainTextEdit* Memo4 = nullptr;
};

}  // namespace lumtar
