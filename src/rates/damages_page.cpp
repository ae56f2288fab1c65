#include "rates/damages_page.h"

#include <QDateEdit>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/guard.h"
#include "app/widgets.h"
#include "rates/rate_page_widgets.h"

namespace lumtar {

namespace {
QStringList Explanation(bool benchmarkOption) {
    QStringList lines{
        QString(),
        QStringLiteral("说明："),
        QString(),
        QStringLiteral(" 逾期违约金=债务*逾期期间*日利率或月利率或年利率"),
        QStringLiteral(" 年利率=12*月利率=360*日利率"),
    };
    if (benchmarkOption) {
        lines << QString()
              << QStringLiteral(
                     "第四项“人民银行同期贷款基准利率“，指的是以中国人民银行同期贷款"
                     "基准利率，分段累加计算方式")
              << QStringLiteral("。")
              << QStringLiteral("用于计算逾期利息（按中国人民银行同期贷款利率计算）");
    }
    return lines;
}

QRadioButton* MakeOption(QWidget* parent, const char* name, DamagesRate rate, int left, int top,
                         int width = -1, int height = -1) {
    auto* option = Make<QRadioButton>(parent, name, left, top, width, height);
    option->setText(ToQString(DamagesRateCaption(rate)));
    if (width < 0) option->adjustSize();
    return option;
}
}  // namespace

DamagesPage::DamagesPage(Shell& shell, QWidget* parent)
    : Page(parent), shell_(shell), rates_(shell.release.rateRows) {
    const bool benchmarkOption = shell_.release.benchmarkDamagesOption;
    auto* panel = Make<QFrame>(this, "Panel9", 0, 0, 617, 290);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setFont(SongTi(13));
    const QFont font = SongTi(13);

    MakeLabel(panel, "Label27", ToQString(shell_.release.damagesHeading), 25, 24, font);
    RadioButton1 = MakeOption(panel, "RadioButton1", DamagesRate::Daily, 93, 23);
    RadioButton1->setChecked(true);
    RadioButton2 = MakeOption(panel, "RadioButton2", DamagesRate::Monthly, 180, 23);
    RadioButton3 = MakeOption(panel, "RadioButton3", DamagesRate::Yearly, 257, 23);

    Edit4 = Make<QLineEdit>(panel, "Edit4", 328, 21, 59, 21);
    Edit4->setAccessibleName(QStringLiteral("约定利率"));
    MakeLabel(panel, "Label30", QStringLiteral("%"), 393, 21, SongTi(16));
    if (benchmarkOption)
        RadioButton6 = MakeOption(panel, "RadioButton6", DamagesRate::Benchmark, 422, 23, 187, 17);

    MakeLabel(panel, "Label15", QStringLiteral("起算日"), 25, 61, font);
    DateTimePicker2 =
        MakeDatePicker(panel, "DateTimePicker2", QStringLiteral("起算日"), 75, 61, 119, 21);
    MakeLabel(panel, "Label16", QStringLiteral("截止日"), 210, 61, font);
    DateTimePicker3 =
        MakeDatePicker(panel, "DateTimePicker3", QStringLiteral("截止日"), 255, 61, 116, 21);
    jiange = MakeLabel(panel, "jiange", QStringLiteral("jiange"), 393, 61, font);
    jiange->resize(215, 16);
    jiange->setAccessibleDescription(QStringLiteral("间隔"));

    Button3 = Make<QPushButton>(panel, "Button3", 489, 57);
    Button3->setText(QStringLiteral("Button3"));
    Button3->hide();
    auto* speedButton10 = Make<QPushButton>(panel, "SpeedButton10", 507, -8);
    speedButton10->setText(QStringLiteral("清空"));
    speedButton10->hide();

    Memo4 = MakeResultBox(panel, "Memo4", Explanation(benchmarkOption), 2, 88, 609, 196);
    Memo4->setAccessibleDescription(QStringLiteral("违约金"));
    if (!benchmarkOption) Memo4->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    const auto recomputeGuarded = [this] { Guarded(this, [this] { recompute(); }); };
    connect(Button3, &QPushButton::clicked, this, recomputeGuarded);
    connect(speedButton10, &QPushButton::clicked, this,
            [this] { Guarded(this, [this] { SpeedButton10Click(); }); });
    connect(Edit4, &QLineEdit::textChanged, this, recomputeGuarded);
    connect(DateTimePicker2, &QDateEdit::dateChanged, this, recomputeGuarded);
    connect(DateTimePicker3, &QDateEdit::dateChanged, this, recomputeGuarded);
    for (QRadioButton* option : {RadioButton1, RadioButton2, RadioButton3, RadioButton6}) {
        if (!option) continue;
        // The option that becomes checked recomputes; the one unchecked stays quiet.
        connect(option, &QRadioButton::toggled, this, [recomputeGuarded](bool checked) {
            if (checked) recomputeGuarded();
        });
    }
}

DamagesRate DamagesPage::checkedRate() const {
    if (RadioButton6 && RadioButton6->isChecked()) return DamagesRate::Benchmark;
    if (RadioButton3->isChecked()) return DamagesRate::Yearly;
    if (RadioButton2->isChecked()) return DamagesRate::Monthly;
    return DamagesRate::Daily;
}

void DamagesPage::recompute() {
    const DamagesRate rate = checkedRate();
    // The benchmark option needs no agreed rate; its field is greyed, its text kept.
    Edit4->setEnabled(rate != DamagesRate::Benchmark);
    const DamagesInputs inputs{rate, ToCivilDate(DateTimePicker2->date()),
                               ToCivilDate(DateTimePicker3->date()),
                               shell_.edtBd->text().toStdString(), Edit4->text().toStdString()};
    ApplyOutcome(DamagesPageText(rates_, shell_.release.latestRateLine, inputs),
                 {jiange, shell_.Label24, Memo4, shell_.Memo5}, this);
}

void DamagesPage::SpeedButton10Click() {
    Memo4->clear();
    Edit4->setText(QString());
    shell_.edtBd->setText(QString());
    shell_.Label24->clear();
}

}  // namespace lumtar
