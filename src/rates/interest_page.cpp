#include "rates/interest_page.h"

#include <QDateEdit>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/guard.h"
#include "app/widgets.h"
#include "rates/interest_text.h"
#include "rates/rate_page_widgets.h"

namespace lumtar {

namespace {
QStringList Explanation() {
    return {
        QStringLiteral("说明："),
        QStringLiteral("以中国人民银行规定的金融机构同期贷款基准利率计算"),
        QStringLiteral("年利率=12*月利率=360*日利率           （注：银行利率计算年=360日）"),
        QString(),
        QStringLiteral("清偿的迟延履行期间债务利息=清偿的法律文书确定的金钱债务*同期贷款基准"),
        QStringLiteral("利率*2(倍)*迟延履行期间"),
        QString(),
        QStringLiteral("本软件采用三种计算方法并行计算，供参考与比较："),
        QStringLiteral("1）现行贷款基准利率"),
        QStringLiteral("2）指定给付期限届满时基准利率"),
        QStringLiteral("3）分时间段基准利率"),
        QString(),
        QStringLiteral("相关规定："),
        QStringLiteral("《中华人民共和国民事诉讼法》第二百二十九条"),
        QStringLiteral("《最高人民法院关于在执行工作中如何计算迟延履行期间的债务利息等问题的"),
        QStringLiteral("批复》"),
    };
}
}  // namespace

InterestPage::InterestPage(Shell& shell, QWidget* parent)
    : Page(parent), shell_(shell), rates_(shell.release.rateRows) {
    auto* panel = Make<QFrame>(this, "Panel8", 0, 0, 617, 290);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setFont(SongTi(13));

    const QFont font = SongTi(13);
    MakeLabel(panel, "Label1", QStringLiteral("起算日"), 12, 21, font);
    DateTimePickerstart =
        MakeDatePicker(panel, "DateTimePickerstart", QStringLiteral("起算日"), 65, 21, 112, 21);
    MakeLabel(panel, "Label10", QStringLiteral("截止日"), 200, 21, font);
    DateTimePickerend =
        MakeDatePicker(panel, "DateTimePickerend", QStringLiteral("截止日"), 256, 21, 116, 21);

    Label3 = MakeLabel(panel, "Label3", QString(), 393, 21, font);
    Label3->resize(215, 16);
    Label3->setAccessibleDescription(QStringLiteral("间隔"));

    // Kept for the online check, which shows through it whether updates are reachable.
    auto* speedButton9 = Make<SpeedButton>(panel, "SpeedButton9", 393, 40, 153, 22);
    speedButton9->setText(QStringLiteral("在线更新贷款基准利率"));
    speedButton9->setFont(SongTi(13));
    SetTextColor(speedButton9, colors::kNavy);
    speedButton9->hide();

    Label4 = MakeLabel(panel, "Label4", ToQString(shell_.release.latestRateLabel), 12, 61, font);

    Button4 = Make<QPushButton>(panel, "Button4", 501, 9);
    Button4->setText(QStringLiteral("Button4"));
    Button4->hide();

    Memo3 = MakeResultBox(panel, "Memo3", Explanation(), 2, 80, 609, 204);
    Memo3->setAccessibleDescription(QStringLiteral("迟延利息"));

    connect(Button4, &QPushButton::clicked, this,
            [this] { Guarded(this, [this] { recompute(); }); });
    connect(DateTimePickerstart, &QDateEdit::dateChanged, this,
            [this] { Guarded(this, [this] { DateTimePickerstartChange(); }); });
    connect(DateTimePickerend, &QDateEdit::dateChanged, this,
            [this] { Guarded(this, [this] { DateTimePickerendChange(); }); });
}

void InterestPage::recompute() {
    const InterestInputs inputs{ToCivilDate(DateTimePickerstart->date()),
                                ToCivilDate(DateTimePickerend->date()),
                                shell_.edtBd->text().toStdString()};
    ApplyOutcome(InterestPageText(rates_, shell_.release.latestRateLine, inputs),
                 {Label3, shell_.Label24, Memo3, shell_.Memo5}, this);
}

void InterestPage::DateTimePickerstartChange() {
    Memo3->clear();
    recompute();
}

void InterestPage::DateTimePickerendChange() {
    Memo3->clear();
    recompute();
}

}  // namespace lumtar
