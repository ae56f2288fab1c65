// The pages "受理费" and "申请费" through the real main window: the amount
// check, the schedules as shown, halving and numerals, base fees from the
// file, and copying a result with its row name lit while hovered.
#include <QAbstractButton>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "support/test_support.h"

using namespace lumtar;
using lumtar::test::MainWindowFixture;

namespace {

QStringList Captions(const MainWindowFixture& f, std::initializer_list<const char*> names) {
    QStringList out;
    for (const char* name : names) out << f.find<QAbstractButton>(name)->text();
    return out;
}

QStringList AcceptanceResults(const MainWindowFixture& f) {
    return Captions(f, {"SpeedButton3", "SpeedButton5", "SpeedButton6"});
}

QStringList ApplicationResults(const MainWindowFixture& f) {
    return Captions(f, {"SpeedButton4", "SpeedButton7", "SpeedButton8"});
}

void Hover(QWidget* widget, bool enter) {
    if (enter) {
        QEnterEvent event(QPointF(2, 2), QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)));
        QCoreApplication::sendEvent(widget, &event);
    } else {
        QEvent event(QEvent::Leave);
        QCoreApplication::sendEvent(widget, &event);
    }
}

}  // namespace

class FeePagesTest : public QObject {
    Q_OBJECT

private slots:
    void acceptanceFeesAsShown_data() {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<bool>("halved");
        QTest::addColumn<bool>("numerals");
        QTest::addColumn<QStringList>("results");
        QTest::newRow("100000") << "100000" << false << false
                                << QStringList{"2300.00", "50.00", "600.00"};
        QTest::newRow("10000 bound")
            << "10000" << false << false << QStringList{"50.00", "50.00", "100.00"};
        QTest::newRow("a cent above 10000")
            << "10000.01" << false << false << QStringList{"50.00", "50.00", "100.00"};
        QTest::newRow("200000 bound")
            << "200000" << false << false << QStringList{"4300.00", "50.00", "1100.00"};
        QTest::newRow("30000000") << "30000000" << false << false
                                  << QStringList{"191800.00", "149050.00", "150100.00"};
        QTest::newRow("halved") << "100000" << true << false
                                << QStringList{"1150.00", "25.00", "300.00"};
        QTest::newRow("numerals") << "100000" << false << true
                                  << QStringList{"二千三百元", "五十元", "六百元"};
        QTest::newRow("halved numerals")
            << "100000" << true << true << QStringList{"一千一百五十元", "二十五元", "三百元"};
        QTest::newRow("eleven nines")
            << "99999999999" << false << false
            << QStringList{"500041800.00", "499999050.00", "500000100.00"};
    }

    void acceptanceFeesAsShown() {
        QFETCH(QString, amount);
        QFETCH(bool, halved);
        QFETCH(bool, numerals);
        QFETCH(QStringList, results);
        MainWindowFixture f;
        if (halved) f.find<QRadioButton>("RBhalf")->click();
        if (numerals) f.find<QRadioButton>("RBda")->click();
        f.typeAmount(amount);
        QCOMPARE(AcceptanceResults(f), results);
        QCOMPARE(f.find<QLabel>("Label26")->isVisibleTo(f.form.get()), halved);
        QVERIFY(f.boxes.boxes.empty());
    }

    void halvingActsOnFreshFeesAndFeedsTheKeptFees() {
        MainWindowFixture f;
        f.typeAmount(QStringLiteral("100000"));
        auto* half = f.find<QRadioButton>("RBhalf");
        auto* all = f.find<QRadioButton>("RBall");
        auto* mark = f.find<QLabel>("Label26");
        half->click();
        QCOMPARE(AcceptanceResults(f), (QStringList{"1150.00", "25.00", "300.00"}));
        QVERIFY(mark->isVisibleTo(f.form.get()));
        QCOMPARE(f.form->shell().keptFees.property, 1150.0);
        all->click();
        half->click();
        QCOMPARE(AcceptanceResults(f), (QStringList{"1150.00", "25.00", "300.00"}));
        all->click();
        QCOMPARE(AcceptanceResults(f), (QStringList{"2300.00", "50.00", "600.00"}));
        QVERIFY(!mark->isVisibleTo(f.form.get()));
        QCOMPARE(f.form->shell().keptFees.divorce, 50.0);
        QCOMPARE(f.form->shell().keptFees.personality, 600.0);
        // The mark lies beneath the results it stands behind.
        QWidget* panel = mark->parentWidget();
        QVERIFY(panel->children().indexOf(mark) <
                panel->children().indexOf(f.find<QAbstractButton>("SpeedButton3")));
    }

    void badAmountsAreRefusedSilently_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("typed");
        QTest::addColumn<QString>("field");  // after the check
        QTest::addColumn<QString>("echo");
        QTest::addColumn<QString>("property");
        QTest::newRow("letter typed") << "abc" << true << ""
                                      << ""
                                      << "50.00";
        QTest::newRow("zero typed first") << "0" << true << ""
                                          << ""
                                          << "50.00";
        // The refused character empties the field; typing goes on from nothing.
        QTest::newRow("comma typed") << "1,500" << true << "500"
                                     << "五百元"
                                     << "50.00";
        QTest::newRow("sign typed") << "-5" << true << "5"
                                    << "五元"
                                    << "50.00";
        QTest::newRow("blank typed") << " " << true << ""
                                     << ""
                                     << "50.00";
        QTest::newRow("zero pasted") << "0.00" << false << ""
                                     << ""
                                     << "50.00";
        QTest::newRow("negative pasted") << "-5" << false << ""
                                         << ""
                                         << "50.00";
        QTest::newRow("infinity word") << "inf" << false << ""
                                       << ""
                                       << "50.00";
        QTest::newRow("hex pasted") << "0x10" << false << ""
                                    << ""
                                    << "50.00";
        QTest::newRow("half pasted") << "0.5" << false << "0.5"
                                     << "零元五角"
                                     << "50.00";
        QTest::newRow("blanks around") << " 1500 " << false << " 1500 "
                                       << "一千五百元"
                                       << "50.00";
        QTest::newRow("exponent typed") << "1e20" << true << "1e20"
                                        << "输入含非数字字符!元"
                                        << "500000000000042000.00";
        QTest::newRow("eleven nines") << "99999999999" << true << "99999999999"
                                      << "九百九十九亿九千九百九十九万九千九百九十九元"
                                      << "500041800.00";
    }

    void badAmountsAreRefusedSilently() {
        QFETCH(QString, text);
        QFETCH(bool, typed);
        QFETCH(QString, field);
        QFETCH(QString, echo);
        QFETCH(QString, property);
        MainWindowFixture f;
        f.typeAmount(QStringLiteral("5000"));  // results to keep: 50, 50, 100
        auto* amount = f.find<QLineEdit>("edtBd");
        amount->clear();
        if (typed)
            f.typeAmount(text);
        else
            amount->setText(text);
        QCOMPARE(amount->text(), field);
        QCOMPARE(f.find<QLabel>("Label24")->text(), echo);
        QCOMPARE(f.find<QAbstractButton>("SpeedButton3")->text(), property);
        QVERIFY(f.boxes.boxes.empty());
    }

    void twelfthCharacterIsRefused() {
        MainWindowFixture f;
        f.typeAmount(QStringLiteral("999999999991"));
        QCOMPARE(f.find<QLineEdit>("edtBd")->text(), QStringLiteral("99999999999"));
    }

    void emptyAmountKeepsResultsAndMark() {
        MainWindowFixture f;
        f.typeAmount(QStringLiteral("100000"));
        f.find<QRadioButton>("RBhalf")->click();
        QTest::keyClick(f.find<QLineEdit>("edtBd"), Qt::Key_Return);
        QCOMPARE(f.find<QLabel>("Label24")->text(), QString());

        test::WriteGbkFile(f.form->shell().files.baseFeePath(),
                           QStringLiteral("[qvd]\nlihun=70\nrenge=150\n"));
        f.find<QRadioButton>("RBall")->click();
        f.find<QRadioButton>("RBda")->click();
        QCOMPARE(AcceptanceResults(f), (QStringList{"1150.00", "25.00", "300.00"}));
        QVERIFY(f.find<QLabel>("Label26")->isVisibleTo(f.form.get()));
        QCOMPARE(f.find<QAbstractButton>("SpeedButtonjishu")->text(),
                 QStringLiteral("离婚70元 人格权150元"));
    }

    void baseFeesComeFromTheFileAtEveryRecomputation_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("results");
        QTest::addColumn<QString>("caption");
        QTest::newRow("highest") << "[qvd]\nlihun=300\nrenge=500\n"
                                 << QStringList{"5800.00", "800.00", "2000.00"}
                                 << "离婚300元 人格权500元";
        QTest::newRow("not a number")
            << "[qvd]\nlihun=abc\nrenge=500\n"
            << QStringList{"5800.00", "550.00", "2000.00"} << "离婚50元 人格权500元";
        QTest::newRow("out of range kept")
            << "[qvd]\nlihun=1000\nrenge=100\n"
            << QStringList{"5800.00", "1500.00", "1600.00"} << "离婚1000元 人格权100元";
    }

    void baseFeesComeFromTheFileAtEveryRecomputation() {
        QFETCH(QString, file);
        QFETCH(QStringList, results);
        QFETCH(QString, caption);
        MainWindowFixture f;
        test::WriteGbkFile(f.form->shell().files.baseFeePath(), file);
        f.typeAmount(QStringLiteral("300000"));
        QCOMPARE(AcceptanceResults(f), results);
        QCOMPARE(f.find<QAbstractButton>("SpeedButtonjishu")->text(), caption);
    }

    void choicesRecomputeAndReturnTheCaret() {
        MainWindowFixture f;
        f.typeAmount(QStringLiteral("100000"));
        auto* amount = f.find<QLineEdit>("edtBd");
        f.find<QRadioButton>("RBda")->setFocus();
        QVERIFY(!amount->hasFocus());
        f.find<QRadioButton>("RBda")->click();
        QCOMPARE(AcceptanceResults(f), (QStringList{"二千三百元", "五十元", "六百元"}));
        QVERIFY(amount->hasFocus());
    }

    void rightClickOnHalfSaysOk() {
        MainWindowFixture f;
        f.typeAmount(QStringLiteral("100000"));
        auto* half = f.find<QRadioButton>("RBhalf");
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(4, 4),
                                half->mapToGlobal(QPoint(4, 4)));
        QCoreApplication::sendEvent(half, &event);
        QCOMPARE(f.boxes.texts(), QStringList{"ok"});
        QVERIFY(!half->isChecked());
        QCOMPARE(AcceptanceResults(f), (QStringList{"2300.00", "50.00", "600.00"}));
    }

    void applicationFeesAsShown_data() {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<bool>("numerals");
        QTest::addColumn<QStringList>("results");
        QTest::newRow("500") << "500" << false << QStringList{"50.00", "30.00", "16.67"};
        QTest::newRow("895000") << "895000" << false
                                << QStringList{"11350.00", "4995.00", "4250.00"};
        QTest::newRow("ceiling") << "896000" << false
                                 << QStringList{"11360.00", "5000.00", "4253.33"};
        QTest::newRow("20000000") << "20000000" << false
                                  << QStringList{"87400.00", "5000.00", "47266.67"};
        QTest::newRow("numerals 100000")
            << "100000" << true
            << QStringList{"一千四百元", "一千零二十元", "七百六十六元六角七分"};
        QTest::newRow("numerals 10000")
            << "10000" << true << QStringList{"五十元", "一百二十元", "一十六元六角七分"};
    }

    void applicationFeesAsShown() {
        QFETCH(QString, amount);
        QFETCH(bool, numerals);
        QFETCH(QStringList, results);
        MainWindowFixture f;
        f.selectPage(QStringLiteral("申请费"));
        if (numerals) f.find<QRadioButton>("RadioButton5")->click();
        f.typeAmount(amount);
        QCOMPARE(ApplicationResults(f), results);
    }

    void applicationPageKeepsResultsOnBadAmountAndFollowsPageChange() {
        MainWindowFixture f;
        f.typeAmount(QStringLiteral("100000"));
        QCOMPARE(ApplicationResults(f), (QStringList{"", "", ""}));
        f.selectPage(QStringLiteral("申请费"));
        QCOMPARE(ApplicationResults(f), (QStringList{"1400.00", "1020.00", "766.67"}));
        f.find<QLineEdit>("edtBd")->setText(QStringLiteral("abc"));
        QCOMPARE(f.find<QLineEdit>("edtBd")->text(), QString());
        QCOMPARE(ApplicationResults(f), (QStringList{"1400.00", "1020.00", "766.67"}));
        f.find<QRadioButton>("RadioButton5")->click();
        QCOMPARE(ApplicationResults(f), (QStringList{"1400.00", "1020.00", "766.67"}));
        QVERIFY(f.find<QLineEdit>("edtBd")->hasFocus());
    }

    void clickCopiesTheResultAsShown() {
        MainWindowFixture f;
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->setText(QStringLiteral("earlier"));
        f.find<QAbstractButton>("SpeedButton3")->click();
        QCOMPARE(clipboard->text(), QStringLiteral("earlier"));

        f.typeAmount(QStringLiteral("100000"));
        f.find<QAbstractButton>("SpeedButton3")->click();
        QCOMPARE(clipboard->text(), QStringLiteral("2300.00"));
        f.find<QRadioButton>("RBda")->click();
        f.find<QAbstractButton>("SpeedButton6")->click();
        QCOMPARE(clipboard->text(), QStringLiteral("六百元"));

        f.selectPage(QStringLiteral("申请费"));
        f.find<QAbstractButton>("SpeedButton8")->click();
        QCOMPARE(clipboard->text(), QStringLiteral("766.67"));
    }

    void hoverLightsTheRowName_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QStringList>("results");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("acceptance")
            << "受理费" << QStringList{"SpeedButton3", "SpeedButton5", "SpeedButton6"}
            << QStringList{"SpeedButton11", "SpeedButton12", "SpeedButton13"};
        QTest::newRow("application")
            << "申请费" << QStringList{"SpeedButton4", "SpeedButton7", "SpeedButton8"}
            << QStringList{"Label18", "Label20", "Label21"};
    }

    void hoverLightsTheRowName() {
        QFETCH(QString, page);
        QFETCH(QStringList, results);
        QFETCH(QStringList, rows);
        MainWindowFixture f;
        f.selectPage(page);
        const QColor red(255, 0, 0), black(0, 0, 0);
        for (int i = 0; i < 3; ++i) {
            auto* result = f.form->findChild<QWidget*>(results[i]);
            auto* row = f.form->findChild<QWidget*>(rows[i]);
            QCOMPARE(result->accessibleDescription(), row->property("text").toString());
            QCOMPARE(row->palette().color(row->foregroundRole()), black);
            Hover(result, true);
            QCOMPARE(row->palette().color(row->foregroundRole()), red);
            Hover(result, false);
            QCOMPARE(row->palette().color(row->foregroundRole()), black);
        }
        // From one result to the next: the first row turns back, the second lights.
        auto* second = f.form->findChild<QWidget*>(rows[1]);
        auto* third = f.form->findChild<QWidget*>(rows[2]);
        Hover(f.form->findChild<QWidget*>(results[1]), true);
        Hover(f.form->findChild<QWidget*>(results[1]), false);
        Hover(f.form->findChild<QWidget*>(results[2]), true);
        QCOMPARE(second->palette().color(second->foregroundRole()), black);
        QCOMPARE(third->palette().color(third->foregroundRole()), red);
    }

    void screenshotOfTheAcceptancePage() {
        MainWindowFixture f;
        f.typeAmount(QStringLiteral("100000"));
        const QString path =
            test::SaveScreenshot(f.form.get(), QStringLiteral("acceptance-fee-page"));
        if (path.isEmpty()) QSKIP("no screenshot folder");
        QVERIFY(QFile::exists(path));
    }
};

QTEST_MAIN(FeePagesTest)
#include "fee_pages_test.moc"
