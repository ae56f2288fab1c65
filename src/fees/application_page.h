#pragma once
// Page "申请费": the application fees for enforcement, property preservation
// and a payment order, in figures or numerals.

#include "app/page.h"
#include "app/shell.h"

class QRadioButton;

namespace lumtar {

class SpeedButton;

class ApplicationFeePage : public Page {
    Q_OBJECT
public:
    explicit ApplicationFeePage(Shell& shell, QWidget* parent = nullptr);
    void recompute() override;

    // The page's recomputation, named after its hidden carrier button.
    void Button2Click();

private:
    Shell& shell_;
    QRadioButton* RadioButton4 = nullptr;
    QRadioButton* RadioButton5 = nullptr;
    SpeedButton* SpeedButton4 = nullptr;
    SpeedButton* SpeedButton7 = nullptr;
    SpeedButton* SpeedButton8 = nullptr;
};

}  // namespace lumtar
