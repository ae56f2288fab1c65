// The date page through the real main window: the count from a start date and
// a day count, the interval from a picked end date, their chaining, the spin
// buttons, bad input and bad holiday files.
#include <QCalendarWidget>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QToolButton>

#include "dates/up_down.h"
#include "support/test_support.h"

using namespace lumtar;
using lumtar::test::MainWindowFixture;

namespace {

const QString kRefusal = QStringLiteral("填写有误，系统恢复默认值");
const QString kEndBeforeStart = QStringLiteral("错误：终止日期早于起始日期,请更正");

// The main window on page "日期计算" with its controls at hand.
struct DatePage {
    explicit DatePage(bool withFixture = true) {
        if (withFixture) installSiteSettings(QStringLiteral(LUMTAR_DATES_FIXTURE));
        f.selectPage(QStringLiteral("日期计算"));
        f.boxes.clear();
    }

    void installSiteSettings(const QString& source) {
        const QString target = f.form->shell().files.siteSettingsPath();
        QFile::remove(target);
        QVERIFY(QFile::copy(source, target));
    }
    void writeSiteSettings(const QByteArray& bytes) {
        QFile file(f.form->shell().files.siteSettingsPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // As the user changes the pickers: the change handlers run.
    void pickStart(const QDate& date) { start->setDate(date); }
    void pickEnd(const QDate& date) { end->setDate(date); }
    // As the user pastes a whole new day count over the old one.
    void enterCount(const QString& text) { count->setText(text); }

    MainWindowFixture f;
    QDateEdit* start = f.find<QDateEdit>("fromCalendar");
    QDateEdit* end = f.find<QDateEdit>("GGdate");
    QLineEdit* count = f.find<QLineEdit>("Edit2");
    UpDown* spin = f.find<UpDown>("UpDown1");
    QLabel* period = f.find<QLabel>("Label2");
    QLabel* weekday = f.find<QLabel>("Label13");
    QLabel* mark = f.find<QLabel>("Label14");
    QCalendarWidget* calendar = f.find<QCalendarWidget>("MonthCalendar1");
};

void CountRow(const char* name, QDate start, const char* dayCount, QDate last, const char* weekday,
              const char* mark, const char* period, int spin) {
    QTest::newRow(name) << start << QString::fromUtf8(dayCount) << last
                        << QString::fromUtf8(weekday) << QString::fromUtf8(mark)
                        << QString::fromUtf8(period) << spin;
}

void IntervalRow(const char* name, QDate start, QDate picked, const char* dayCount,
                 const char* period, const char* weekday, const char* mark) {
    QTest::newRow(name) << start << picked << QString::fromUtf8(dayCount)
                        << QString::fromUtf8(period) << QString::fromUtf8(weekday)
                        << QString::fromUtf8(mark);
}

}  // namespace

class DatePageTest : public QObject {
    Q_OBJECT

private slots:
    void startsBlankOnToday() {
        DatePage p;
        const QDate today = QDate::currentDate();
        QCOMPARE(p.start->date(), today);
        QCOMPARE(p.end->date(), today);
        QCOMPARE(p.count->text(), QStringLiteral("0"));
        QCOMPARE(p.spin->position(), 0);
        QCOMPARE(p.spin->maximum(), 10000);
        QCOMPARE(p.period->text(), QStringLiteral("0年0个月0天"));
        QCOMPARE(p.weekday->text(), QString());
        QCOMPARE(p.mark->text(), QString());
        QCOMPARE(p.calendar->selectedDate(), today);
        QVERIFY(!p.calendar->isEnabled());
        QCOMPARE(
            p.f.find<QPlainTextEdit>("Memo2")->toPlainText().split(QLatin1Char('\n')),
            (QStringList{
                " ", " 常用计算：", "1、一般公告开庭日。", " 60日（公告期）+30日（举证期限）+3",
                "（第三日）=93日;", "2、一般民事判决上诉期限内最后一日。", " 15日（上诉期）=15日;",
                "3、一般民事判决书生效日首日。", " 15日(上诉期)+1日（期满后首日）=16日", ""}));
        QCOMPARE(p.start->accessibleName(), QStringLiteral("起始日(从第二日起计)"));
        QCOMPARE(p.count->accessibleName(), QStringLiteral("间隔总天数"));
        QCOMPARE(p.end->accessibleName(), QStringLiteral("截止日"));
        QVERIFY(p.f.boxes.boxes.empty());
    }

    void countMarksTheLastDay_data() {
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QString>("dayCount");
        QTest::addColumn<QDate>("last");
        QTest::addColumn<QString>("weekday");
        QTest::addColumn<QString>("mark");
        QTest::addColumn<QString>("period");
        QTest::addColumn<int>("spin");
        CountRow("fifteen plain Monday", {2012, 9, 9}, "15", {2012, 9, 24}, "星期一", "",
                 "0年0个月15天", 15);
        CountRow("Saturday", {2012, 9, 9}, "13", {2012, 9, 22}, "星期六", "假日 ", "0年0个月13天",
                 13);
        CountRow("working Saturday listed in both", {2012, 9, 26}, "3", {2012, 9, 29}, "星期六",
                 "调为工作日", "0年0个月3天", 3);
        CountRow("day-off Sunday", {2012, 9, 28}, "2", {2012, 9, 30}, "星期日", "放假公休调休",
                 "0年0个月2天", 2);
        CountRow("National Day Monday", {2012, 9, 28}, "3", {2012, 10, 1}, "星期一", "放假公休调休",
                 "0年0个月3天", 3);
        CountRow("separators never match", {2012, 6, 21}, "1", {2012, 6, 22}, "星期五", "",
                 "0年0个月1天", 1);
        // Were the interval to run on the program's end date, it would rewrite "015" as "15".
        CountRow("leading zero kept", {2012, 9, 9}, "015", {2012, 9, 24}, "星期一", "",
                 "0年0个月15天", 15);
        CountRow("zero", {2012, 9, 9}, "0", {2012, 9, 9}, "星期日", "假日 ", "0年0个月0天", 0);
        CountRow("negative", {2012, 9, 9}, "-5", {2012, 9, 4}, "星期二", "", "-1年11个月25天", 0);
        CountRow("beyond the spin", {2012, 9, 9}, "20000", {2067, 6, 13}, "星期一", "",
                 "54年9个月4天", 10000);
    }

    void countMarksTheLastDay() {
        QFETCH(QDate, start);
        QFETCH(QString, dayCount);
        QFETCH(QDate, last);
        DatePage p;
        p.pickStart(start);
        p.enterCount(dayCount);
        QCOMPARE(p.end->date(), last);
        QCOMPARE(p.count->text(), dayCount);
        QTEST(p.weekday->text(), "weekday");
        QTEST(p.mark->text(), "mark");
        QTEST(p.period->text(), "period");
        QTEST(p.spin->position(), "spin");
        QCOMPARE(p.calendar->selectedDate(), last);
        QCOMPARE(p.calendar->yearShown(), last.year());
        QCOMPARE(p.calendar->monthShown(), last.month());
        QCOMPARE(p.f.boxes.texts(), QStringList());
    }

    void typedKeystrokesCountAndStartDateRecounts() {
        DatePage p;
        p.pickStart(QDate(2012, 9, 9));
        p.count->selectAll();
        QTest::keyClicks(p.count, QStringLiteral("15"));
        QCOMPARE(p.end->date(), QDate(2012, 9, 24));
        QCOMPARE(p.period->text(), QStringLiteral("0年0个月15天"));

        p.pickStart(QDate(2012, 9, 15));
        QCOMPARE(p.end->date(), QDate(2012, 9, 30));
        QCOMPARE(p.mark->text(), QStringLiteral("放假公休调休"));
    }

    void badCountIsRefusedAndReset_data() {
        QTest::addColumn<QString>("dayCount");
        QTest::newRow("letters") << "abc";
        QTest::newRow("decimal point") << "1.5";
        QTest::newRow("beyond 32 bits") << "99999999999";
        QTest::newRow("blank only") << " ";
        QTest::newRow("past 9999-12-31") << "3000000";
        QTest::newRow("before 1900-01-01") << "-50000";
        QTest::newRow("largest int") << "2147483647";
    }

    void badCountIsRefusedAndReset() {
        QFETCH(QString, dayCount);
        DatePage p;
        p.pickStart(QDate(2012, 9, 28));
        p.enterCount(QStringLiteral("3"));
        p.enterCount(dayCount);
        QCOMPARE(p.f.boxes.texts(), QStringList{kRefusal});
        QCOMPARE(p.count->text(), QStringLiteral("0"));
        QCOMPARE(p.end->date(), QDate(2012, 9, 28));
        QCOMPARE(p.weekday->text(), QStringLiteral("星期五"));
        QCOMPARE(p.mark->text(), QString());
        QCOMPARE(p.period->text(), QStringLiteral("0年0个月0天"));
        QCOMPARE(p.spin->position(), 0);
        QCOMPARE(p.calendar->selectedDate(), QDate(2012, 9, 28));
    }

    void enterEmptiesTheCountAndBlanksOnlyThePeriod() {
        DatePage p;
        p.pickStart(QDate(2012, 9, 28));
        p.enterCount(QStringLiteral("3"));
        p.count->setFocus();
        QTest::keyClick(p.count, Qt::Key_Return);
        QCOMPARE(p.count->text(), QString());
        QVERIFY(p.count->hasFocus());
        QCOMPARE(p.period->text(), QString());
        QCOMPARE(p.end->date(), QDate(2012, 10, 1));
        QCOMPARE(p.weekday->text(), QStringLiteral("星期一"));
        QCOMPARE(p.mark->text(), QStringLiteral("放假公休调休"));

        // With the count empty a new start date blanks the period and nothing else.
        p.pickStart(QDate(2012, 9, 9));
        QCOMPARE(p.period->text(), QString());
        QCOMPARE(p.end->date(), QDate(2012, 10, 1));
        QCOMPARE(p.f.boxes.texts(), QStringList());
    }

    void spinButtonsStepTheCount() {
        DatePage p;
        p.pickStart(QDate(2012, 9, 9));
        QTest::mouseClick(p.spin->upButton(), Qt::LeftButton);
        QCOMPARE(p.count->text(), QStringLiteral("1"));
        QCOMPARE(p.end->date(), QDate(2012, 9, 10));

        QTest::mouseClick(p.spin->downButton(), Qt::LeftButton);
        QTest::mouseClick(p.spin->downButton(), Qt::LeftButton);
        QCOMPARE(p.count->text(), QStringLiteral("0"));

        p.enterCount(QStringLiteral("10000"));
        QTest::mouseClick(p.spin->upButton(), Qt::LeftButton);
        QCOMPARE(p.count->text(), QStringLiteral("10000"));
        QCOMPARE(p.spin->position(), 10000);

        // A typed count beyond the spin: the next click steps from its bound.
        p.enterCount(QStringLiteral("-5"));
        QTest::mouseClick(p.spin->upButton(), Qt::LeftButton);
        QCOMPARE(p.count->text(), QStringLiteral("1"));
        QCOMPARE(p.f.boxes.texts(), QStringList());
    }

    void pickedEndGivesTheCount_data() {
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QDate>("picked");
        QTest::addColumn<QString>("dayCount");
        QTest::addColumn<QString>("period");
        QTest::addColumn<QString>("weekday");
        QTest::addColumn<QString>("mark");
        IntervalRow("ninety-three", {2012, 9, 9}, {2012, 12, 11}, "93", "0年3个月2天", "星期二",
                    "");
        IntervalRow("fifteen", {2012, 9, 9}, {2012, 9, 24}, "15", "0年0个月15天", "星期一", "");
        IntervalRow("the start itself", {2012, 9, 9}, {2012, 9, 9}, "0", "0年0个月0天", "星期日",
                    "假日 ");
        IntervalRow("month-end rule", {2012, 1, 30}, {2012, 2, 29}, "30", "0年1个月1天", "星期三",
                    "");
        IntervalRow("marks through the count", {2012, 9, 9}, {2012, 9, 29}, "20", "0年0个月20天",
                    "星期六", "调为工作日");
        IntervalRow("beyond the spin", {2012, 9, 9}, {2050, 1, 1}, "13628", "37年3个月22天",
                    "星期六", "假日 ");
    }

    void pickedEndGivesTheCount() {
        QFETCH(QDate, start);
        QFETCH(QDate, picked);
        QFETCH(QString, dayCount);
        DatePage p;
        p.pickStart(start);
        p.enterCount(QStringLiteral("7"));
        p.pickEnd(picked);
        QCOMPARE(p.count->text(), dayCount);
        QCOMPARE(p.end->date(), picked);
        QTEST(p.period->text(), "period");
        QTEST(p.weekday->text(), "weekday");
        QTEST(p.mark->text(), "mark");
        QCOMPARE(p.spin->position(), qMin(dayCount.toInt(), 10000));
        QCOMPARE(p.calendar->selectedDate(), picked);
        QCOMPARE(p.f.boxes.texts(), QStringList());
    }

    void endBeforeStartIsRefusedInThePeriodLabel() {
        DatePage p;
        p.pickStart(QDate(2012, 9, 9));
        p.enterCount(QStringLiteral("15"));
        p.pickEnd(QDate(2012, 9, 8));
        QCOMPARE(p.period->text(), kEndBeforeStart);
        QCOMPARE(p.count->text(), QStringLiteral("15"));
        QCOMPARE(p.spin->position(), 15);
        QCOMPARE(p.weekday->text(), QStringLiteral("星期一"));
        QCOMPARE(p.calendar->selectedDate(), QDate(2012, 9, 24));
        QCOMPARE(p.f.boxes.texts(), QStringList());
    }

    void sameCountFromAPickedEndDoesNotRecount() {
        DatePage p;
        p.pickStart(QDate(2012, 9, 9));
        p.enterCount(QStringLiteral("15"));
        p.pickEnd(QDate(2012, 9, 8));  // refused: the count stays "15"

        // 24 September is now listed as a day off, but only a count would see it.
        p.writeSiteSettings("[holiday]\r\nnum=1\r\n1=20120924\r\n");
        p.pickEnd(QDate(2012, 9, 24));
        QCOMPARE(p.count->text(), QStringLiteral("15"));
        QCOMPARE(p.period->text(), QStringLiteral("0年0个月15天"));
        QCOMPARE(p.mark->text(), QString());
        QCOMPARE(p.spin->position(), 15);
        QCOMPARE(p.calendar->selectedDate(), QDate(2012, 9, 24));

        // The next count reads the file afresh.
        p.enterCount(QStringLiteral("14"));
        p.enterCount(QStringLiteral("15"));
        QCOMPARE(p.mark->text(), QStringLiteral("放假公休调休"));
    }

    void badSiteSettingsMarkOnlyWeekends_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("sundayMark");  // 2012-09-30
        QTest::addColumn<QString>("mondayMark");  // 2012-10-01
        QTest::newRow("no file") << QByteArray() << "假日 "
                                 << "";
        QTest::newRow("no sections") << QByteArray("[ad]\nnum=3\n") << "假日 "
                                     << "";
        QTest::newRow("num above keys")
            << QByteArray("[holiday]\nnum=3\n1=20120930\n2=20121001\n") << "放假公休调休"
            << "放假公休调休";
        QTest::newRow("negative num") << QByteArray("[holiday]\nnum=-1\n1=20121001\n") << "假日 "
                                      << "";
        QTest::newRow("num not a number")
            << QByteArray("[holiday]\nnum=ten\n1=20121001\n") << "假日 "
            << "";
        QTest::newRow("key above num")
            << QByteArray("[holiday]\nnum=1\n1=20120930\n2=20121001\n") << "放假公休调休"
            << "";
        QTest::newRow("huge num") << QByteArray(
                                         "[holiday]\nnum=2147483647\n1=20121001\n"
                                         "[notholiday]\nnum=2147483647\n")
                                  << "假日 "
                                  << "放假公休调休";
        QTest::newRow("separators") << QByteArray("[holiday]\nnum=1\n1=2012-10-01\n") << "假日 "
                                    << "";
        QByteArray garbage;
        for (int i = 0; i < 4096; ++i) garbage.append(static_cast<char>((i * 7919 + 13) % 256));
        QTest::newRow("binary garbage") << garbage << "假日 "
                                        << "";
        QTest::newRow("garbage with a holiday section")
            << garbage + "\n[holiday]\nnum=2147483647\n" + garbage << "假日 "
            << "";
    }

    void badSiteSettingsMarkOnlyWeekends() {
        QFETCH(QByteArray, file);
        DatePage p(false);
        if (!file.isEmpty()) p.writeSiteSettings(file);
        p.pickStart(QDate(2012, 9, 28));
        QElapsedTimer clock;
        clock.start();
        p.enterCount(QStringLiteral("2"));
        QTEST(p.mark->text(), "sundayMark");
        p.enterCount(QStringLiteral("3"));
        QTEST(p.mark->text(), "mondayMark");
        QVERIFY2(clock.elapsed() < 2000, "the count must not walk a huge num");
        QCOMPARE(p.f.boxes.texts(), QStringList());
    }

    void showingThePageRunsNothing() {
        DatePage p;
        p.pickStart(QDate(2012, 9, 28));
        p.enterCount(QStringLiteral("3"));
        p.writeSiteSettings(QByteArray());
        p.f.selectPage(QStringLiteral("受理费"));
        p.f.selectPage(QStringLiteral("日期计算"));
        QCOMPARE(p.mark->text(), QStringLiteral("放假公休调休"));
        QCOMPARE(p.period->text(), QStringLiteral("0年0个月3天"));
    }

    void screenshotNationalDay() {
        DatePage p;
        p.pickStart(QDate(2012, 9, 28));
        p.enterCount(QStringLiteral("3"));
        QCOMPARE(p.mark->text(), QStringLiteral("放假公休调休"));
        test::SaveScreenshot(p.f.form.get(), QStringLiteral("date-page"));
    }
};

QTEST_MAIN(DatePageTest)
#include "date_page_test.moc"
