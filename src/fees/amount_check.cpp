#include "fees/amount_check.h"

#include <QLabel>
#include <QLineEdit>

#include "amounts/chinese_numerals.h"
#include "amounts/number_text.h"

namespace lumtar {

std::optional<double> CheckSubjectAmount(const Shell& shell) {
    const QString text = shell.edtBd->text();
    if (text.isEmpty()) {
        shell.Label24->clear();
        return std::nullopt;
    }
    const std::optional<double> amount = ParseFloat(text.toStdString());
    if (!amount || !(*amount > 0)) {
        shell.edtBd->clear();  // reruns the page with the empty text
        return std::nullopt;
    }
    shell.Label24->setText(QString::fromStdString(AmountInChinese(*amount)));
    return amount;
}

}  // namespace lumtar
