#include "fees/application_page.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "amounts/chinese_numerals.h"
#include "app/guard.h"
#include "app/result_copy.h"
#include "app/widgets.h"
#include "fees/amount_check.h"
#include "fees/fee_schedules.h"

namespace lumtar {

ApplicationFeePage::ApplicationFeePage(Shell& shell, QWidget* parent)
    : Page(parent), shell_(shell) {
    setFont(SongTi(13, true));
    auto* panel = Make<QFrame>(this, "Panel5", 0, 0, 617, 290);
    panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);

    auto* groupBox3 = Make<QGroupBox>(panel, "GroupBox3", 12, 0, 163, 43);
    groupBox3->setFont(SongTi(15));
    RadioButton4 = Make<QRadioButton>(groupBox3, "RadioButton4", 13, 16);
    RadioButton4->setText(QStringLiteral("小写"));
    RadioButton4->adjustSize();
    RadioButton4->setChecked(true);
    RadioButton5 = Make<QRadioButton>(groupBox3, "RadioButton5", 81, 15);
    RadioButton5->setText(QStringLiteral("大写"));
    RadioButton5->adjustSize();
    for (QRadioButton* radio : {RadioButton4, RadioButton5}) {
        connect(radio, &QRadioButton::toggled, this, [this](bool checked) {
            if (checked) Guarded(this, [this] { Button2Click(); });
        });
    }

    auto* bevel2 = Make<QFrame>(panel, "Bevel2", 12, 63, 587, 216);
    bevel2->setFrameStyle(QFrame::Box | QFrame::Sunken);

    struct Row {
        const char* labelName;
        const char* labelText;
        int labelTop;
        const char* resultName;
        int resultTop;
        SpeedButton** result;
    };
    const Row rows[] = {
        {"Label18", "执行案件", 90, "SpeedButton4", 71, &SpeedButton4},
        {"Label20", "财产保全", 136, "SpeedButton7", 127, &SpeedButton7},
        {"Label21", "支付令", 182, "SpeedButton8", 183, &SpeedButton8},
    };
    for (const Row& row : rows) {
        QLabel* label = MakeLabel(panel, row.labelName, QString::fromUtf8(row.labelText), 56,
                                  row.labelTop, SongTi(15));
        SetTextColor(label, colors::kBlack);
        auto* result = Make<SpeedButton>(panel, row.resultName, 152, row.resultTop, 329, 34);
        result->setFont(SongTi(16));
        SetTextColor(result, colors::kBlack);
        result->setToolTip(QStringLiteral("点击此处，自动复制计算结果"));
        ConnectResultCopy(result, label, shell_.Edit1);
        *row.result = result;
    }

    auto* button2 = Make<QPushButton>(panel, "Button2", 446, 18);
    button2->hide();
    connect(button2, &QPushButton::clicked, this,
            [this] { Guarded(this, [this] { Button2Click(); }); });
}

void ApplicationFeePage::recompute() {
    Button2Click();
}

void ApplicationFeePage::Button2Click() {
    shell_.edtBd->setFocus();
    // Whatever fails from the amount on empties the field, silently.
    try {
        const std::optional<double> amount = CheckSubjectAmount(shell_);
        if (!amount) return;
        const ApplicationFees fees = ComputeApplicationFees(*amount);
        const bool numerals = !RadioButton4->isChecked();
        SpeedButton4->setText(QString::fromStdString(AmountText(fees.enforcement, numerals)));
        SpeedButton7->setText(QString::fromStdString(AmountText(fees.preservation, numerals)));
        SpeedButton8->setText(QString::fromStdString(AmountText(fees.paymentOrder, numerals)));
    } catch (...) {
        shell_.edtBd->clear();
    }
}

}  // namespace lumtar
