// Page "迟延利息" through the real main window, in both releases.
#include <QAbstractButton>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTextBlock>

#include "rate_pages_test.h"

using namespace lumtar;
using namespace lumtar::test;

namespace {

const QString kTooEarly = QStringLiteral("起始日期不能早于1991年4月21日");

struct InterestPage : RatePage {
    explicit InterestPage(bool v13) : RatePage(v13, "迟延利息") {}
    QDateEdit* start = f.find<QDateEdit>("DateTimePickerstart");
    QDateEdit* end = f.find<QDateEdit>("DateTimePickerend");
    QLabel* interval = f.find<QLabel>("Label3");
    QPlainTextEdit* results = f.find<QPlainTextEdit>("Memo3");
};

QStringList Heading(const QString& amount, const QString& delay, const QString& tier, bool v13) {
    return {QStringLiteral(" 债务金额(元):") + amount,
            QStringLiteral(" 迟延期间： ") + delay,
            QStringLiteral(" 所属利率档： ") + tier,
            v13 ? QStringLiteral(" 最新基准利率调整日期：2011年7月7日")
                : QStringLiteral(" 最新基准利率调整日期：2012年7月6日"),
            QStringLiteral(" 双倍计算"),
            QString(),
            QStringLiteral(" -----------------------------------")};
}

QStringList Results(const QString& latest, const QString& atStart, const QString& pieces) {
    return {QStringLiteral(" 【计算结果1】现行基准利率方法：") + latest,
            QStringLiteral(" 【计算结果2】指定给付时基准利率方法：") + atStart,
            QStringLiteral(" 【计算结果3】分段累加基准利率方法：") + pieces,
            QStringLiteral("     分段明细：")};
}

}  // namespace

class InterestPageTest : public QObject {
    Q_OBJECT

private slots:
    void startsWithItsExplanation_data() {
        QTest::addColumn<bool>("v13");
        QTest::newRow("V14.2") << false;
        QTest::newRow("V13") << true;
    }
    void startsWithItsExplanation() {
        QFETCH(bool, v13);
        InterestPage p(v13);
        QCOMPARE(p.f.find<QLabel>("Label4")->text(),
                 v13 ? QStringLiteral("最新收录利率2011年7月7日")
                     : QStringLiteral("最新收录利率2012年7月6日"));
        const QStringList text = p.results->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(text.size(), 16);
        QCOMPARE(
            text[2],
            QStringLiteral("年利率=12*月利率=360*日利率           （注：银行利率计算年=360日）"));
        QCOMPARE(text[15], QStringLiteral("批复》"));
        QVERIFY(p.results->isReadOnly());
        QCOMPARE(p.results->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

        for (QDateEdit* picker : {p.start, p.end}) {
            QCOMPARE(picker->date(), QDate::currentDate());
            QCOMPARE(picker->displayFormat(), QStringLiteral("yyyy-MM-dd"));
            QVERIFY(picker->calendarPopup());
            QCOMPARE(picker->minimumDate(), QDate(1900, 1, 1));
            QCOMPARE(picker->maximumDate(), QDate(9999, 12, 31));
        }
        QCOMPARE(p.start->accessibleName(), QStringLiteral("起算日"));
        QCOMPARE(p.end->accessibleName(), QStringLiteral("截止日"));

        auto* update = p.f.find<QAbstractButton>("SpeedButton9");
        QVERIFY(update);
        QVERIFY(update->isHidden());
        QCOMPARE(update->text(), QStringLiteral("在线更新贷款基准利率"));
        QVERIFY(p.f.find<QAbstractButton>("Button4")->isHidden());
    }

    void workedExamples_data() {
        QTest::addColumn<bool>("v13");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QDate>("end");
        QTest::addColumn<QString>("interval");
        QTest::addColumn<QString>("echo");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("entries");

        const QStringList twoMonths{
            "\n     基准利率6.10计算期间20120601至20120608共0年0个月7天 金额23.72\n",
            "     基准利率5.85计算期间20120608至20120706共0年0个月28天 金额91.00\n",
            "     基准利率5.60计算期间20120706至20120731共0年0个月25天 金额77.78\n"};
        QTest::newRow("V14.2 two months")
            << false << "10000" << QDate(2012, 6, 1) << QDate(2012, 7, 31) << "间隔： 0年1个月30天"
            << "一万元"
            << Heading("10000", "0年  1个月 30天", "六个月以内（含六个月）", false) +
                   Results("186.67", "203.33", "192.50")
            << twoMonths;
        QTest::newRow("V13 two months")
            << true << "10000" << QDate(2012, 6, 1) << QDate(2012, 7, 31) << "间隔： 0年1个月30天"
            << "一万元"
            << Heading("10000", "0年  1个月 30天", "六个月以内（含六个月）", true) +
                   Results("203.33", "203.33", "203.33")
            << QStringList{
                   "\n     基准利率6.10计算期间 20120601至20120731共0年1个月30天  金额203.33\n"};

        const QStringList firstFive{
            "\n     基准利率5.40计算期间20100101至20101020共0年9个月19天 金额8670.00\n",
            "     基准利率5.60计算期间20101020至20101226共0年2个月6天 金额2053.33\n",
            "     基准利率5.85计算期间20101226至20110209共0年1个月14天 金额1430.00\n",
            "     基准利率6.10计算期间20110209至20110406共0年1个月25天 金额1863.89\n",
            "     基准利率6.40计算期间20110406至20110707共0年3个月1天 金额3235.56\n"};
        QTest::newRow("V14.2 three years")
            << false << "100000" << QDate(2010, 1, 1) << QDate(2012, 12, 31)
            << "间隔： 2年11个月30天"
            << "一十万元"
            << Heading("100000", "2年  11个月 30天", "一至三年（含三年）", false) +
                   Results("36900.00", "32400.00", "36456.11")
            << firstFive +
                   QStringList{
                       "     基准利率6.65计算期间20110707至20120608共0年11个月1天 金额12228.61\n",
                       "     基准利率6.40计算期间20120608至20120706共0年0个月28天 金额995.56\n",
                       "     基准利率6.15计算期间20120706至20121231共0年5个月25天 金额5979.17\n"};
        QTest::newRow("V13 three years")
            << true << "100000" << QDate(2010, 1, 1) << QDate(2012, 12, 31)
            << "间隔： 2年11个月30天"
            << "一十万元"
            << Heading("100000", "2年  11个月 30天", "一至三年（含三年）", true) +
                   Results("39900.00", "32400.00", "36981.11")
            << firstFive +
                   QStringList{
                       "     基准利率6.65计算期间20110707至20121231共1年5个月24天 金额19728.33\n"};
    }
    void workedExamples() {
        QFETCH(bool, v13);
        QFETCH(QString, amount);
        QFETCH(QDate, start);
        QFETCH(QDate, end);
        InterestPage p(v13);
        p.pick(p.start, start);
        p.pick(p.end, end);
        p.f.typeAmount(amount);

        QTEST(p.interval->text(), "interval");
        QTEST(p.echo->text(), "echo");
        QFETCH(QStringList, lines);
        QFETCH(QStringList, entries);
        QCOMPARE(p.results->toPlainText(), Joined(lines + entries));
        QCOMPARE(p.segments->toPlainText(), Joined(entries));
        QVERIFY(p.f.boxes.boxes.empty());
        QCOMPARE(p.results->verticalScrollBar()->value(), 0);  // the results, not the last entry

        if (!v13 && amount == QStringLiteral("10000"))
            SaveScreenshot(p.f.form.get(), QStringLiteral("interest-page"));
    }

    void entryShowsABlankLineBeforeIt() {
        InterestPage p(false);
        p.pick(p.start, QDate(2012, 7, 10));
        p.pick(p.end, QDate(2012, 8, 10));
        p.f.typeAmount(QStringLiteral("10000"));
        QTextBlock block = p.results->document()->findBlockByNumber(10);
        QCOMPARE(block.text(), QStringLiteral("     分段明细："));
        QCOMPARE((block = block.next()).text(), QString());
        QCOMPARE(
            (block = block.next()).text(),
            QStringLiteral("     基准利率5.60计算期间 20120710至20120810共0年1个月0天  金额93.33"));
    }

    void sameDayAtStartUp_data() { startsWithItsExplanation_data(); }
    void sameDayAtStartUp() {
        QFETCH(bool, v13);
        InterestPage p(v13);
        p.f.typeAmount(QStringLiteral("500"));
        const QString today = QDate::currentDate().toString(QStringLiteral("yyyyMMdd"));
        const QString rate = v13 ? QStringLiteral("6.10") : QStringLiteral("5.60");
        QCOMPARE(p.interval->text(), QStringLiteral("间隔： 0年0个月0天"));
        QCOMPARE(p.results->toPlainText(),
                 Joined(Heading("500", "0年  0个月 0天", "六个月以内（含六个月）", v13) +
                        Results("0.00", "0.00", "0.00") +
                        QStringList{"\n     基准利率" + rate + "计算期间 " + today + "至" + today +
                                    "共0年0个月0天  金额0.00\n"}));
    }

    void datesOutOfOrderOrTooEarly_data() { startsWithItsExplanation_data(); }
    void datesOutOfOrderOrTooEarly() {
        QFETCH(bool, v13);
        InterestPage p(v13);
        // Reversed: the error shows even without an amount, and the picker emptied the box.
        p.pick(p.start, QDate(2012, 9, 9));
        p.pick(p.end, QDate(2012, 9, 4));
        QCOMPARE(p.interval->text(), QStringLiteral("日期选择有误"));
        QCOMPARE(p.results->toPlainText(), QString());

        // Too early without an amount: the interval only, no box.
        p.pick(p.start, QDate(1991, 4, 20));
        QCOMPARE(p.interval->text(), QStringLiteral("间隔： 21年4个月14天"));
        QVERIFY(p.f.boxes.boxes.empty());

        // With an amount every change asks again; nothing is computed.
        p.f.typeAmount(QStringLiteral("8"));
        QCOMPARE(p.f.boxes.texts(), QStringList{kTooEarly});
        QCOMPARE(p.echo->text(), QString());
        QCOMPARE(p.results->toPlainText(), QString());
        p.pick(p.end, QDate(2012, 9, 5));
        QCOMPARE(p.f.boxes.texts(), (QStringList{kTooEarly, kTooEarly}));
        QCOMPARE(p.interval->text(), QStringLiteral("间隔： 21年4个月15天"));

        // The table's first day is accepted.
        p.pick(p.start, QDate(1991, 4, 21));
        QCOMPARE(p.f.boxes.boxes.size(), 2u);
        QCOMPARE(p.echo->text(), QStringLiteral("八元"));
        QVERIFY(p.results->toPlainText().startsWith(QStringLiteral(" 债务金额(元):8\n")));
    }

    void textThatIsNotANumber_data() { startsWithItsExplanation_data(); }
    void textThatIsNotANumber() {
        QFETCH(bool, v13);
        InterestPage p(v13);
        p.pick(p.start, QDate(2012, 6, 1));
        p.pick(p.end, QDate(2012, 7, 31));
        p.f.typeAmount(QStringLiteral("12a"));
        QCOMPARE(p.f.boxes.boxes.size(), 1u);
        QCOMPARE(p.f.boxes.boxes[0].kind, BoxKind::Error);
        QCOMPARE(p.f.boxes.boxes[0].text,
                 QStringLiteral("'12a' is not a valid floating point value"));
        QCOMPARE(p.results->toPlainText(), QString());
        QCOMPARE(p.interval->text(), QStringLiteral("间隔： 0年1个月30天"));
        QCOMPARE(p.echo->text(), QStringLiteral("一十二元"));
        QCOMPARE(p.amount->text(), QStringLiteral("12a"));

        // The window carries on: mending the text computes again.
        QTest::keyClick(p.amount, Qt::Key_Backspace);
        QCOMPARE(p.f.boxes.boxes.size(), 1u);
        QVERIFY(p.results->toPlainText().startsWith(QStringLiteral(" 债务金额(元):12\n")));
    }

    void negativeAmountAndEmptiedField() {
        InterestPage p(false);
        p.pick(p.start, QDate(2012, 6, 1));
        p.pick(p.end, QDate(2012, 7, 31));
        p.f.typeAmount(QStringLiteral("-10000"));
        QCOMPARE(p.echo->text(), QStringLiteral("负一万元"));
        QVERIFY(p.results->toPlainText().contains(QStringLiteral("分段累加基准利率方法：-192.50")));
        // Enter empties the field: the echo goes, the results stay.
        const QString shown = p.results->toPlainText();
        QTest::keyClick(p.amount, Qt::Key_Return);
        QCOMPARE(p.echo->text(), QString());
        QCOMPARE(p.results->toPlainText(), shown);
    }

    void farEndsOfThePickers_data() { startsWithItsExplanation_data(); }
    void farEndsOfThePickers() {
        QFETCH(bool, v13);
        InterestPage p(v13);
        p.f.typeAmount(QStringLiteral("99999999999"));
        p.f.boxes.clear();
        p.pick(p.start, QDate(1000, 1, 1));  // held at the earliest day the picker allows
        QCOMPARE(p.start->date(), QDate(1900, 1, 1));
        QCOMPARE(p.f.boxes.texts(), QStringList{kTooEarly});

        QElapsedTimer timer;
        timer.start();
        p.pick(p.end, QDate(9999, 12, 31));
        p.pick(p.start, QDate(1991, 4, 21));
        QVERIFY(timer.elapsed() < 2000);
        QCOMPARE(p.interval->text(), QStringLiteral("间隔： 8008年8个月10天"));
        QCOMPARE(p.segments->toPlainText().count(QStringLiteral("基准利率")), v13 ? 32 : 34);
        QVERIFY(p.results->toPlainText().contains(QStringLiteral(" 所属利率档： 五年以上")));
    }

    void selectingThePageRecomputes() {
        InterestPage p(false);
        p.pick(p.start, QDate(2012, 6, 1));
        p.pick(p.end, QDate(2012, 7, 31));
        p.f.selectPage(QStringLiteral("关于"));
        p.f.typeAmount(QStringLiteral("10000"));
        QCOMPARE(p.results->toPlainText(), QString());
        p.f.selectPage(QStringLiteral("迟延利息"));
        QVERIFY(p.results->toPlainText().contains(QStringLiteral("分段累加基准利率方法：192.50")));
        QCOMPARE(p.echo->text(), QStringLiteral("一万元"));
    }
};

QTEST_MAIN(InterestPageTest)
#include "interest_page_test.moc"
