// Page "违约金" through the real main window, in both releases.
#include <QAbstractButton>
#include <QPushButton>

#include "rate_pages_test.h"

using namespace lumtar;
using namespace lumtar::test;

namespace {

const QString kTooEarly = QStringLiteral("起始日期不能早于1991年4月21日");
const QString kRule = QStringLiteral(" -----------------------------------");
const QString kResult = QStringLiteral(" 【计算结果】逾期违约金(元)：");

struct DamagesPage : RatePage {
    explicit DamagesPage(bool v13) : RatePage(v13, "违约金") {}
    void typeRate(const QString& text) {
        rate->clear();
        rate->setFocus();
        QTest::keyClicks(rate, text);
    }
    QRadioButton* option(int number) const {
        return f.find<QRadioButton>(("RadioButton" + std::to_string(number)).c_str());
    }
    QDateEdit* start = f.find<QDateEdit>("DateTimePicker2");
    QDateEdit* end = f.find<QDateEdit>("DateTimePicker3");
    QLineEdit* rate = f.find<QLineEdit>("Edit4");
    QLabel* interval = f.find<QLabel>("jiange");
    QPlainTextEdit* results = f.find<QPlainTextEdit>("Memo4");
};

void BothReleases() {
    QTest::addColumn<bool>("v13");
    QTest::newRow("V14.2") << false;
    QTest::newRow("V13") << true;
}

}  // namespace

class DamagesPageTest : public QObject {
    Q_OBJECT

private slots:
    void startsWithItsExplanation_data() { BothReleases(); }
    void startsWithItsExplanation() {
        QFETCH(bool, v13);
        DamagesPage p(v13);
        QCOMPARE(p.f.find<QLabel>("Label27")->text(),
                 v13 ? QStringLiteral("利率约定") : QStringLiteral("利率选项:"));
        QCOMPARE(p.option(6) != nullptr, !v13);
        QVERIFY(p.option(1)->isChecked());
        QCOMPARE(p.option(1)->text(), QStringLiteral("日利率"));
        // Selecting the page computed the interval; before that the label shows its name.
        QCOMPARE(p.interval->text(), QStringLiteral("间隔： 0年0个月0天"));
        MainWindowFixture unselected(ReleaseOf(v13));
        QCOMPARE(unselected.find<QLabel>("jiange")->text(), QStringLiteral("jiange"));
        QVERIFY(p.rate->isEnabled());
        QCOMPARE(p.rate->text(), QString());
        QVERIFY(p.results->isReadOnly());
        QStringList explanation{"", "说明：", "",
                                " 逾期违约金=债务*逾期期间*日利率或月利率或年利率",
                                " 年利率=12*月利率=360*日利率"};
        if (!v13)
            explanation
                << ""
                << "第四项“人民银行同期贷款基准利率“，指的是以中国人民银行同期贷款基准利率，"
                   "分段累加计算方式"
                << "。"
                << "用于计算逾期利息（按中国人民银行同期贷款利率计算）";
        QCOMPARE(p.results->toPlainText(), Joined(explanation));
        QCOMPARE(p.results->verticalScrollBarPolicy(),
                 v13 ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAlwaysOn);
        for (QDateEdit* picker : {p.start, p.end}) QCOMPARE(picker->date(), QDate::currentDate());
        SaveScreenshot(p.f.form.get(), v13 ? QStringLiteral("damages-start-v13") : QStringLiteral("damages-start"));
        QVERIFY(p.f.find<QPushButton>("Button3")->isHidden());
        QVERIFY(p.f.find<QPushButton>("SpeedButton10")->isHidden());
    }

    void agreedRates_data() {
        QTest::addColumn<bool>("v13");
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("percent");
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QDate>("end");
        QTest::addColumn<QString>("interval");
        QTest::addColumn<QStringList>("lines");
        for (const bool v13 : {false, true}) {
            const QString release = v13 ? QStringLiteral("V13 ") : QStringLiteral("V14.2 ");
            QTest::newRow(qPrintable(release + "daily"))
                << v13 << 1 << "0.05" << QDate(2012, 1, 1) << QDate(2012, 3, 1)
                << "间隔： 0年2个月0天"
                << QStringList{" 金额(元):10000",         "", " 逾期： 60天  ",
                               " 约定利率：日利率 0.05%", "", kRule,
                               kResult + "300.00"};
            QTest::newRow(qPrintable(release + "monthly"))
                << v13 << 2 << "2" << QDate(2011, 1, 1) << QDate(2012, 3, 16)
                << "间隔： 1年2个月15天"
                << QStringList{" 金额(元):10000",      "", " 逾期： 1年  2个月 15天",
                               " 约定利率：月利率 2%", "", kRule,
                               kResult + "2900.00"};
            QTest::newRow(qPrintable(release + "yearly"))
                << v13 << 3 << "12" << QDate(2011, 1, 1) << QDate(2012, 3, 16)
                << "间隔： 1年2个月15天"
                << QStringList{" 金额(元):10000",       "", " 逾期： 1年  2个月 15天",
                               " 约定利率：年利率 12%", "", kRule,
                               kResult + "1450.00"};
            QTest::newRow(qPrintable(release + "daily too high"))
                << v13 << 1 << "1.01" << QDate(2012, 1, 1) << QDate(2012, 1, 2)
                << "间隔： 0年0个月1天"
                << QStringList{" 金额(元):10000",
                               "",
                               " 逾期： 1天  ",
                               " 约定利率：日利率 1.01%",
                               "",
                               kRule,
                               " 利率过高，填写可能有误",
                               kResult + "101.00"};
        }
    }
    void agreedRates() {
        QFETCH(bool, v13);
        QFETCH(int, option);
        QFETCH(QString, percent);
        QFETCH(QDate, start);
        QFETCH(QDate, end);
        DamagesPage p(v13);
        p.option(option)->click();
        p.typeRate(percent);
        p.pick(p.start, start);
        p.pick(p.end, end);
        p.f.typeAmount(QStringLiteral("10000"));
        QTEST(p.interval->text(), "interval");
        QCOMPARE(p.echo->text(), QStringLiteral("一万元"));
        QFETCH(QStringList, lines);
        QCOMPARE(p.results->toPlainText(), Joined(lines));
        QVERIFY(p.f.boxes.boxes.empty());
    }

    void benchmarkSummedOverAdjustments() {
        DamagesPage p(false);
        p.typeRate(QStringLiteral("0.05"));
        p.pick(p.start, QDate(2012, 6, 1));
        p.pick(p.end, QDate(2012, 7, 31));
        p.f.typeAmount(QStringLiteral("10000"));
        p.option(6)->click();
        QVERIFY(!p.rate->isEnabled());
        QCOMPARE(p.rate->text(), QStringLiteral("0.05"));
        const QStringList entries{
            "\n     基准利率6.10计算期间20120601至20120608共0年0个月7天 金额11.86\n",
            "     基准利率5.85计算期间20120608至20120706共0年0个月28天 金额45.50\n",
            "     基准利率5.60计算期间20120706至20120731共0年0个月25天 金额38.89\n"};
        const QStringList lines{" 债务金额(元):10000",
                                " 期间： 0年  1个月 30天",
                                " 所属利率档： 六个月以内（含六个月）",
                                " 最新基准利率调整日期：2012年7月6日",
                                " 单倍，按人民银行同期贷款利率（按基准利率）,分段累加计算",
                                "",
                                " 计算结果：96.25",
                                "     分段明细："};
        QCOMPARE(p.interval->text(), QStringLiteral("间隔： 0年1个月30天"));
        QCOMPARE(p.results->toPlainText(), Joined(lines + entries));
        QCOMPARE(p.segments->toPlainText(), Joined(entries));
        SaveScreenshot(p.f.form.get(), QStringLiteral("damages-page"));

        // Back to an agreed rate: the field is live again and its text counts.
        p.option(1)->click();
        QVERIFY(p.rate->isEnabled());
        QVERIFY(p.results->toPlainText().endsWith(kResult + "300.00"));
    }

    void benchmarkRefusesEarlyStartsAtEveryChange() {
        DamagesPage p(false);
        p.option(6)->click();
        p.f.typeAmount(QStringLiteral("10000"));
        p.f.boxes.clear();
        p.pick(p.start, QDate(1991, 4, 20));
        p.pick(p.end, QDate(1992, 1, 1));
        QCOMPARE(p.f.boxes.texts(), (QStringList{kTooEarly, kTooEarly}));
        QCOMPARE(p.interval->text(), QStringLiteral("间隔： 0年8个月11天"));
        const QString before = p.results->toPlainText();
        p.pick(p.start, QDate(1991, 4, 21));
        QCOMPARE(p.f.boxes.boxes.size(), 2u);
        QVERIFY(p.results->toPlainText() != before);
        QVERIFY(p.results->toPlainText().contains(QStringLiteral("计算期间 19910421至19920101")));
    }

    void emptyOrBadRate_data() { BothReleases(); }
    void emptyOrBadRate() {
        QFETCH(bool, v13);
        DamagesPage p(v13);
        p.pick(p.start, QDate(2012, 1, 1));
        p.pick(p.end, QDate(2012, 3, 1));
        p.typeRate(QStringLiteral("1"));
        p.f.typeAmount(QStringLiteral("5"));
        QVERIFY(p.results->toPlainText().endsWith(kResult + "3.00"));

        // Empty rate: an empty box and the amount in numerals.
        QTest::keyClick(p.rate, Qt::Key_Backspace);
        QCOMPARE(p.results->toPlainText(), QString());
        QCOMPARE(p.echo->text(), QStringLiteral("五元"));

        p.typeRate(QStringLiteral("x"));
        QCOMPARE(p.f.boxes.boxes.size(), 1u);
        QCOMPARE(p.f.boxes.boxes[0].kind, BoxKind::Error);
        QCOMPARE(p.f.boxes.boxes[0].text,
                 QStringLiteral("'x' is not a valid floating point value"));
        QCOMPARE(p.results->toPlainText(), QString());
        QCOMPARE(p.echo->text(), QStringLiteral("五元"));

        // A bad amount stops before the echo.
        p.typeRate(QStringLiteral("1"));
        p.f.boxes.clear();
        QTest::keyClicks(p.amount, QStringLiteral(","));
        QCOMPARE(p.f.boxes.texts(),
                 QStringList{QStringLiteral("'5,' is not a valid floating point value")});
        QCOMPARE(p.echo->text(), QStringLiteral("五元"));
        QCOMPARE(p.results->toPlainText(), QString());
        QCOMPARE(p.amount->text(), QStringLiteral("5,"));
    }

    void reversedDatesAndClearedAmountKeepTheResult_data() { BothReleases(); }
    void reversedDatesAndClearedAmountKeepTheResult() {
        QFETCH(bool, v13);
        DamagesPage p(v13);
        p.typeRate(QStringLiteral("0.05"));
        p.pick(p.start, QDate(2012, 1, 1));
        p.pick(p.end, QDate(2012, 3, 1));
        p.f.typeAmount(QStringLiteral("10000"));
        const QString shown = p.results->toPlainText();
        p.pick(p.end, QDate(2011, 12, 31));
        QCOMPARE(p.interval->text(), QStringLiteral("日期选择有误"));
        QCOMPARE(p.results->toPlainText(), shown);
        QCOMPARE(p.echo->text(), QStringLiteral("一万元"));

        p.pick(p.end, QDate(2012, 3, 1));
        QTest::keyClick(p.amount, Qt::Key_Return);
        QCOMPARE(p.echo->text(), QString());
        QCOMPARE(p.results->toPlainText(), shown);
        QCOMPARE(p.interval->text(), QStringLiteral("间隔： 0年2个月0天"));
    }

    void clearButtonEmptiesThePage() {
        DamagesPage p(false);
        p.typeRate(QStringLiteral("0.05"));
        p.f.typeAmount(QStringLiteral("10000"));
        p.f.find<QPushButton>("SpeedButton10")->click();
        QCOMPARE(p.results->toPlainText(), QString());
        QCOMPARE(p.rate->text(), QString());
        QCOMPARE(p.amount->text(), QString());
        QCOMPARE(p.echo->text(), QString());
        QVERIFY(p.f.boxes.boxes.empty());
    }

    void selectingThePageRecomputes() {
        DamagesPage p(false);
        p.typeRate(QStringLiteral("0.05"));
        p.f.selectPage(QStringLiteral("关于"));
        p.f.typeAmount(QStringLiteral("10000"));
        p.f.selectPage(QStringLiteral("违约金"));
        QCOMPARE(p.echo->text(), QStringLiteral("一万元"));
        QVERIFY(p.results->toPlainText().endsWith(kResult + "0.00"));
    }
};

QTEST_MAIN(DamagesPageTest)
#include "damages_page_test.moc"
