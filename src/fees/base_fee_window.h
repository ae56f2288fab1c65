#pragma once
// The base-fee settings window "起算基数设定": the user sets the per-case base
// fees of divorce and personality-rights cases within the Measures' ranges,
// and they are stored in the base-fee file.

#include <QDialog>

#include "app/shell.h"
#include "fees/base_fees.h"

class QLineEdit;

namespace lumtar {

class SpeedButton;

class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(Shell& shell, QWidget* parent = nullptr);

    // Puts the stored values in the fields, over whatever was typed last time.
    void fill(const BaseFees& fees);

    // Event handlers, named after their control and event.
    void SpeedButton1Click();  // "确定修改": check, store, close with OK
    void SpeedButton2Click();  // "返回": close with Cancel

private:
    Shell& shell_;
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
};

}  // namespace lumtar
