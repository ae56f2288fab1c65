#pragma once
// Page "受理费": the case acceptance fee of a property case, a divorce case
// involving property and a personality-rights case with damages, in full or
// halved, in figures or numerals. The page keeps the three fees for the
// apportionment window and opens the base-fee settings window.

#include "app/page.h"
#include "app/shell.h"
#include "fees/base_fees.h"

class QAbstractButton;
class QLabel;
class QRadioButton;

namespace lumtar {

class SpeedButton;

class AcceptanceFeePage : public Page {
    Q_OBJECT
public:
    explicit AcceptanceFeePage(Shell& shell, QWidget* parent = nullptr);
    void recompute() override;

    // Event handlers, named after their control and event.
    void Button1Click();
    void RBhalfContextPopup();
    void SpeedButtonjishuClick();
    void SpeedButton11Click();
    void SpeedButton12Click();
    void SpeedButton13Click();

private:
    void buildChoices(QWidget* panel);
    void buildRows(QWidget* panel);
    void writeFees(double amount, const BaseFees& baseFees);
    void openApportionment(double keptFee);

    Shell& shell_;
    QRadioButton* RBall = nullptr;
    QRadioButton* RBhalf = nullptr;
    QRadioButton* RBxiao = nullptr;
    QRadioButton* RBda = nullptr;
    SpeedButton* SpeedButtonjishu = nullptr;
    SpeedButton* SpeedButton3 = nullptr;
    SpeedButton* SpeedButton5 = nullptr;
    SpeedButton* SpeedButton6 = nullptr;
    QLabel* Label26 = nullptr;
};

}  // namespace lumtar
