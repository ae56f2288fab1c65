#include "fees/acceptance_page.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "amounts/chinese_numerals.h"
#include "amounts/number_text.h"
#include "app/guard.h"
#include "app/result_copy.h"
#include "app/widgets.h"
#include "fees/amount_check.h"
#include "fees/apportion_window.h"
#include "fees/base_fee_window.h"
#include "fees/fee_schedules.h"

namespace lumtar {

namespace {

const QString kCopyHint = QStringLiteral("点击此处，自动复制计算结果");
const QString kApportionHint = QStringLiteral("点击进入分配窗口");

QRadioButton* MakeRadio(QWidget* parent, const char* name, const QString& text, int left, int top) {
    auto* radio = Make<QRadioButton>(parent, name, left, top);
    radio->setText(text);
    radio->adjustSize();
    return radio;
}

QGroupBox* MakeChoiceBox(QWidget* parent, const char* name, int left, int top, int width,
                         int height) {
    auto* box = Make<QGroupBox>(parent, name, left, top, width, height);
    box->setFont(SongTi(15));
    return box;
}

}  // namespace

AcceptanceFeePage::AcceptanceFeePage(Shell& shell, QWidget* parent) : Page(parent), shell_(shell) {
    setFont(SongTi(16));
    auto* panel = Make<QFrame>(this, "Panel2", 0, 0, 617, 290);
    panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    buildChoices(panel);
    buildRows(panel);

    // The page's recomputation also answers a click on its hidden carrier.
    auto* button1 = Make<QPushButton>(panel, "Button1", 474, 84);
    button1->hide();
    connect(button1, &QPushButton::clicked, this,
            [this] { Guarded(this, [this] { Button1Click(); }); });
}

void AcceptanceFeePage::buildChoices(QWidget* panel) {
    auto* groupBox1 = MakeChoiceBox(panel, "GroupBox1", 12, -1, 149, 43);
    RBall = MakeRadio(groupBox1, "RBall", QStringLiteral("全额"), 13, 16);
    RBhalf = MakeRadio(groupBox1, "RBhalf", QStringLiteral("减半"), 78, 15);
    RBall->setChecked(true);
    RBhalf->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(RBhalf, &QWidget::customContextMenuRequested, this,
            [this] { Guarded(this, [this] { RBhalfContextPopup(); }); });

    auto* groupBox2 = MakeChoiceBox(panel, "GroupBox2", 175, -1, 146, 43);
    RBxiao = MakeRadio(groupBox2, "RBxiao", QStringLiteral("小写"), 13, 16);
    RBda = MakeRadio(groupBox2, "RBda", QStringLiteral("大写"), 81, 15);
    RBxiao->setChecked(true);

    // A choice recomputes when it becomes checked, by a click or from code.
    for (QRadioButton* radio : {RBall, RBhalf, RBxiao, RBda}) {
        connect(radio, &QRadioButton::toggled, this, [this](bool checked) {
            if (checked) Guarded(this, [this] { Button1Click(); });
        });
    }

    auto* label29 = MakeLabel(panel, "Label29", QStringLiteral("基数设置"), 344, 16, SongTi(13));
    SetTextColor(label29, colors::kNavy);

    SpeedButtonjishu = Make<SpeedButton>(panel, "SpeedButtonjishu", 402, 10, 178, 22);
    SpeedButtonjishu->setText(QStringLiteral("离婚案件、人格权案"));
    SpeedButtonjishu->setFont(SongTi(13));
    SpeedButtonjishu->setToolTip(QStringLiteral("点击此处，设置起算基数"));
    connect(SpeedButtonjishu, &SpeedButton::clicked, this,
            [this] { Guarded(this, [this] { SpeedButtonjishuClick(); }); });
}

void AcceptanceFeePage::buildRows(QWidget* panel) {
    auto* bevel1 = Make<QFrame>(panel, "Bevel1", 12, 59, 589, 222);
    bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);

    struct Row {
        const char* caseName;
        const char* caseText;
        QRect caseRect;
        void (AcceptanceFeePage::*open)();
        const char* resultName;
        QRect resultRect;
        SpeedButton** result;
    };
    const Row rows[] = {
        {"SpeedButton11",
         "财产案件",
         {25, 75, 158, 34},
         &AcceptanceFeePage::SpeedButton11Click,
         "SpeedButton3",
         {202, 75, 336, 34},
         &SpeedButton3},
        {"SpeedButton12",
         "离婚案件(涉及财产)",
         {26, 131, 157, 34},
         &AcceptanceFeePage::SpeedButton12Click,
         "SpeedButton5",
         {202, 131, 336, 34},
         &SpeedButton5},
        {"SpeedButton13",
         "人格权侵权损害赔偿",
         {28, 188, 155, 34},
         &AcceptanceFeePage::SpeedButton13Click,
         "SpeedButton6",
         {201, 188, 337, 34},
         &SpeedButton6},
    };
    for (const Row& row : rows) {
        const QRect c = row.caseRect;
        auto* caseButton =
            Make<SpeedButton>(panel, row.caseName, c.x(), c.y(), c.width(), c.height());
        caseButton->setAutoRaise(false);
        caseButton->setText(QString::fromUtf8(row.caseText));
        caseButton->setToolTip(kApportionHint);
        connect(caseButton, &SpeedButton::clicked, this,
                [this, open = row.open] { Guarded(this, [&] { (this->*open)(); }); });

        const QRect r = row.resultRect;
        auto* result =
            Make<SpeedButton>(panel, row.resultName, r.x(), r.y(), r.width(), r.height());
        result->setToolTip(kCopyHint);
        ConnectResultCopy(result, caseButton, shell_.Edit1);
        *row.result = result;
    }

    auto* label6 =
        MakeLabel(panel, "Label6", QStringLiteral("点击上列名称，分配诉讼费"), 25, 228, SongTi(13));
    SetTextColor(label6, colors::kGrey);

    // The halving mark: large, faint, beneath the results so it never hides them.
    Label26 = Make<QLabel>(panel, "Label26", 248, 96, 201, 133);
    Label26->setText(QStringLiteral("50%"));
    Label26->setFont(SongTi(133));
    SetTextColor(Label26, Label26->palette().color(QPalette::ToolTipBase));
    Label26->setAttribute(Qt::WA_TransparentForMouseEvents);
    Label26->hide();
    Label26->lower();
}

void AcceptanceFeePage::recompute() {
    Button1Click();
}

void AcceptanceFeePage::Button1Click() {
    shell_.edtBd->setFocus();
    const BaseFees baseFees = ReadBaseFees(shell_.baseFees);
    SpeedButtonjishu->setText(BaseFeeCaption(baseFees));
    // Whatever fails from the amount on empties the field, silently; that
    // change reruns the page with the empty text.
    try {
        if (const std::optional<double> amount = CheckSubjectAmount(shell_))
            writeFees(*amount, baseFees);
    } catch (...) {
        shell_.edtBd->clear();
    }
}

void AcceptanceFeePage::writeFees(double amount, const BaseFees& baseFees) {
    const bool halved = RBhalf->isChecked();
    const AcceptanceFees fees =
        ComputeAcceptanceFees(amount, baseFees.divorce, baseFees.personality, halved);
    shell_.keptFees = fees;
    Label26->setVisible(halved);

    const bool numerals = RBda->isChecked();
    SpeedButton3->setText(QString::fromStdString(AmountText(fees.property, numerals)));
    SpeedButton5->setText(QString::fromStdString(AmountText(fees.divorce, numerals)));
    SpeedButton6->setText(QString::fromStdString(AmountText(fees.personality, numerals)));
}

void AcceptanceFeePage::RBhalfContextPopup() {
    ShowMessage(this, QStringLiteral("ok"));
}

void AcceptanceFeePage::SpeedButtonjishuClick() {
    shell_.baseFees = shell_.files.baseFees();
    shell_.Form2->fill(ReadBaseFees(shell_.baseFees));
    shell_.Form2->exec();
    // Even a cancelled window leaves the page showing what the file holds.
    Button1Click();
}

void AcceptanceFeePage::SpeedButton11Click() {
    openApportionment(shell_.keptFees.property);
}
void AcceptanceFeePage::SpeedButton12Click() {
    openApportionment(shell_.keptFees.divorce);
}
void AcceptanceFeePage::SpeedButton13Click() {
    openApportionment(shell_.keptFees.personality);
}

void AcceptanceFeePage::openApportionment(double keptFee) {
    const QString amountText = shell_.edtBd->text();
    if (amountText.trimmed().isEmpty()) return;
    shell_.frmfen->setCase(QString::fromStdString(FormatFixed2(keptFee)), amountText);
    shell_.frmfen->exec();
}

}  // namespace lumtar
