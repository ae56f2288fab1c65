// One keystroke on each computing page, one row edit in the apportionment
// window and one day-count change on the date page, measured from the key
// event to the updated results. Each iteration types a digit and takes it back
// with Backspace, so it holds two keystrokes.
#include <QDateEdit>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "fees/apportion_window.h"
#include "support/test_support.h"

using namespace lumtar;
using lumtar::test::MainWindowFixture;

namespace {
void TypeAndTakeBack(QLineEdit* field) {
    QTest::keyClick(field, Qt::Key_5);
    QTest::keyClick(field, Qt::Key_Backspace);
}
}  // namespace

class WindowBench : public QObject {
    Q_OBJECT

private slots:
    void keystrokePair_data() {
        QTest::addColumn<QString>("page");
        QTest::newRow("acceptance fee") << QStringLiteral("受理费");
        QTest::newRow("application fee") << QStringLiteral("申请费");
        QTest::newRow("interest") << QStringLiteral("迟延利息");
        QTest::newRow("damages at the benchmark") << QStringLiteral("违约金");
    }

    void keystrokePair() {
        QFETCH(QString, page);
        MainWindowFixture f;
        f.selectPage(page);
        // A long period that crosses every rate adjustment, the costliest case.
        f.find<QDateEdit>("DateTimePickerstart")->setDate(QDate(1991, 4, 21));
        f.find<QDateEdit>("DateTimePicker2")->setDate(QDate(1991, 4, 21));
        f.find<QDateEdit>("DateTimePickerend")->setDate(QDate(2030, 12, 31));
        f.find<QDateEdit>("DateTimePicker3")->setDate(QDate(2030, 12, 31));
        f.find<QRadioButton>("RadioButton6")->setChecked(true);
        auto* field = f.find<QLineEdit>("edtBd");
        f.typeAmount(QStringLiteral("1234567"));
        QBENCHMARK {
            TypeAndTakeBack(field);
        }
        QVERIFY(f.boxes.boxes.empty());
    }

    void apportionmentRowPair() {
        MainWindowFixture f;
        f.typeAmount(QStringLiteral("100000"));
        Tfrmfen* window = f.form->shell().frmfen;
        window->setCase(QStringLiteral("2300.00"), QStringLiteral("100000"));
        window->show();
        window->FormActivate();
        auto* row1 = window->findChild<QLineEdit*>(QStringLiteral("Edit1"));
        row1->setText(QStringLiteral("6000"));
        QBENCHMARK {
            TypeAndTakeBack(row1);
        }
        window->hide();
    }

    void dayCountPair() {
        MainWindowFixture f;
        QString site = QStringLiteral("[holiday]\nnum=300\n");
        QDate day(2007, 1, 1);
        for (int i = 1; i <= 300; ++i, day = day.addDays(17))
            site += QString::number(i) + QLatin1Char('=') +
                    day.toString(QStringLiteral("yyyyMMdd")) + QLatin1Char('\n');
        site += QStringLiteral("[notholiday]\nnum=100\n");
        for (int i = 1; i <= 100; ++i, day = day.addDays(17))
            site += QString::number(i) + QLatin1Char('=') +
                    day.toString(QStringLiteral("yyyyMMdd")) + QLatin1Char('\n');
        test::WriteGbkFile(f.form->shell().files.siteSettingsPath(), site);
        f.selectPage(QStringLiteral("日期计算"));
        auto* count = f.find<QLineEdit>("Edit2");
        count->setText(QStringLiteral("93"));
        QBENCHMARK {
            TypeAndTakeBack(count);
        }
        QVERIFY(f.boxes.boxes.empty());
    }
};

QTEST_MAIN(WindowBench)
#include "window_bench.moc"
