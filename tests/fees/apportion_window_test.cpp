// The apportionment window, opened from a case name on the acceptance-fee
// page and driven by typing into its rows: the worked examples, the message
// for a portion larger than what is left and the reset after it, remainders a
// hair below zero, and rows holding text that is not a number.
#include "fees/apportion_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>
#include <functional>

#include "app/widgets.h"
#include "support/test_support.h"

using namespace lumtar;
using lumtar::test::MainWindowFixture;

namespace {

const QString kAgree = QStringLiteral(" 分项诉讼费与总诉讼费 相符！  ");
const QString kShortfall = QStringLiteral("数值输入有误！");

// Opens the window by a case name and runs `use` while it shows and is
// active; the window is closed afterwards, or after a few seconds should
// `use` hang. Returns whether the window opened.
bool UseApportionment(MainWindowFixture& f, const std::function<void(Tfrmfen*)>& use,
                      const char* caseName = "SpeedButton11") {
    Tfrmfen* frmfen = f.form->shell().frmfen;
    bool opened = false;
    QTimer::singleShot(0, frmfen, [&] {
        opened = true;
        if (!QTest::qWaitFor([&] { return frmfen->isActiveWindow(); }, 2000))
            qWarning("apportionment window not activated");
        use(frmfen);
        frmfen->findChild<QAbstractButton*>(QStringLiteral("BitBtn2"))->click();
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, frmfen, &QDialog::reject);
    watchdog.start(10000);
    f.find<QAbstractButton>(caseName)->click();
    // A click on a case name with an empty amount opens nothing: drop the
    // pending use so it cannot run later.
    if (!opened) QCoreApplication::removePostedEvents(frmfen);
    return opened;
}

QLineEdit* Row(Tfrmfen* w, int i) {
    return w->findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(i));
}

void Type(Tfrmfen* w, int row, const QString& text) {
    Row(w, row)->selectAll();
    QTest::keyClicks(Row(w, row), text);
}

QStringList Rows(Tfrmfen* w) {
    QStringList out;
    for (int i = 1; i <= 4; ++i) out << Row(w, i)->text();
    return out;
}

QStringList Shares(Tfrmfen* w) {
    QStringList out;
    for (int i = 1; i <= 4; ++i)
        out << w->findChild<QAbstractButton*>(QStringLiteral("L%1").arg(i))->text();
    return out;
}

QString Note(Tfrmfen* w) {
    return w->findChild<QLabel*>(QStringLiteral("StaticText1"))->text();
}

// Which of rows 2 to 4 take typing, checked against the colour they show.
QList<bool> Editable(Tfrmfen* w) {
    QList<bool> out;
    for (int i = 2; i <= 4; ++i) {
        QLineEdit* row = Row(w, i);
        const bool green = row->palette().color(QPalette::Base) == colors::kMoneyGreen;
        if (green == !row->isReadOnly()) qWarning("row %d: colour and state disagree", i);
        out << !row->isReadOnly();
    }
    return out;
}

const QList<bool> kLocked{false, false, false};

}  // namespace

class ApportionWindowTest : public QObject {
    Q_OBJECT

private slots:
    void firstWorkedExample() {
        MainWindowFixture f;
        f.typeAmount(QStringLiteral("100000"));
        QVERIFY(UseApportionment(f, [&](Tfrmfen* w) {
            QCOMPARE(w->windowTitle(), QStringLiteral("诉讼费负担"));
            QCOMPARE(w->findChild<QLabel*>(QStringLiteral("LBD"))->text(),
                     QStringLiteral("100000"));
            QCOMPARE(w->findChild<QLabel*>(QStringLiteral("LQVD"))->text(),
                     QStringLiteral("2300.00"));
            QCOMPARE(Rows(w), (QStringList{"0", "0", "0", "0"}));
            QCOMPARE(Shares(w), (QStringList{"", "", "", ""}));
            QCOMPARE(Note(w), QString());
            QCOMPARE(Editable(w), kLocked);

            Type(w, 1, QStringLiteral("60000"));
            QCOMPARE(Rows(w), (QStringList{"60000", "40000.00", "0.00", "0.00"}));
            QCOMPARE(Shares(w), (QStringList{"1380.00", "920.00", "0.00", "0.00"}));
            QCOMPARE(Note(w), kAgree);
            QCOMPARE(Editable(w), (QList<bool>{true, false, false}));
            test::SaveScreenshot(w, QStringLiteral("apportionment-window"));

            w->findChild<QAbstractButton*>(QStringLiteral("L1"))->click();
            QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("1380.00"));
        }));
        QVERIFY(f.boxes.boxes.empty());

        // The next opening starts afresh; the reset runs the rules once more,
        // so the note keeps their last word while the shares are blank.
        QVERIFY(UseApportionment(f, [&](Tfrmfen* w) {
            QCOMPARE(Rows(w), (QStringList{"0", "0", "0", "0"}));
            QCOMPARE(Shares(w), (QStringList{"", "", "", ""}));
            QCOMPARE(Note(w), kAgree);
            QCOMPARE(Editable(w), kLocked);
        }));
    }

    void returningFromAnotherProgramKeepsTheRows() {
        MainWindowFixture f;
        f.typeAmount(QStringLiteral("100000"));
        QVERIFY(UseApportionment(f, [&](Tfrmfen* w) {
            Type(w, 1, QStringLiteral("60000"));
            QApplication::setActiveWindow(nullptr);
            QApplication::setActiveWindow(w);
            QVERIFY(w->isActiveWindow());
            QCOMPARE(Rows(w), (QStringList{"60000", "40000.00", "0.00", "0.00"}));
            QCOMPARE(Shares(w), (QStringList{"1380.00", "920.00", "0.00", "0.00"}));
        }));
    }

    void secondWorkedExample() {
        MainWindowFixture f;
        f.typeAmount(QStringLiteral("3"));
        QVERIFY(UseApportionment(f, [&](Tfrmfen* w) {
            QCOMPARE(w->findChild<QLabel*>(QStringLiteral("LQVD"))->text(),
                     QStringLiteral("50.00"));
            Type(w, 1, QStringLiteral("1"));
            QCOMPARE(Rows(w), (QStringList{"1", "2.00", "0.00", "0.00"}));
            QCOMPARE(Shares(w), (QStringList{"16.67", "33.33", "0.00", "0.00"}));
            QCOMPARE(Note(w), kAgree);

            Type(w, 2, QStringLiteral("1"));
            QCOMPARE(Rows(w), (QStringList{"1", "1", "1.00", "0.00"}));
            QCOMPARE(Shares(w), (QStringList{"16.67", "16.67", "16.67", "0.00"}));
            QCOMPARE(Note(w), QStringLiteral(" 因四舍五入，总诉讼费与分项诉讼费之和相差-0.01"));
            QCOMPARE(Editable(w), (QList<bool>{true, true, false}));
        }));
        QVERIFY(f.boxes.boxes.empty());
    }

    void portionBeyondTheAmountIsRefusedAndTheWindowResets() {
        MainWindowFixture f;
        f.typeAmount(QStringLiteral("100000"));
        QStringList rowsAtMessage;
        f.boxes.onBox = [&](const ShownBox&) { rowsAtMessage = Rows(f.form->shell().frmfen); };
        QVERIFY(UseApportionment(f, [&](Tfrmfen* w) {
            Type(w, 1, QStringLiteral("200000"));
            QCOMPARE(f.boxes.texts(), QStringList{kShortfall});
            QCOMPARE(f.boxes.boxes[0].kind, BoxKind::Information);
            QCOMPARE(rowsAtMessage, (QStringList{"200000", "-100000.00", "0.00", "0.00"}));
            // Closing the box gives the window activation back, which resets it.
            QCOMPARE(Rows(w), (QStringList{"0", "0", "0", "0"}));
            QCOMPARE(Shares(w), (QStringList{"", "", "", ""}));
            QCOMPARE(Editable(w), kLocked);
        }));
    }

    void wholeAmountOnTheFirstRow() {
        MainWindowFixture f;
        f.typeAmount(QStringLiteral("100000"));
        QVERIFY(UseApportionment(f, [&](Tfrmfen* w) {
            Type(w, 1, QStringLiteral("100000"));
            QCOMPARE(Rows(w), (QStringList{"100000", "0.00", "0.00", "0.00"}));
            QCOMPARE(Shares(w), (QStringList{"2300.00", "0.00", "0.00", "0.00"}));
            QCOMPARE(Editable(w), kLocked);
        }));
        QVERIFY(f.boxes.boxes.empty());
    }

    // A remainder a hair below zero from floating-point error is no shortfall.
    void remainderAHairBelowZeroIsAccepted_data() {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("fee");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QStringList>("shares");
        QTest::newRow("tenths") << "0.3"
                                << "50.00"
                                << "0.1" << QStringList{"0.1", "0.20", "0.00", "0.00"}
                                << QStringList{"16.67", "33.33", "0.00", "0.00"};
        QTest::newRow("cents") << "100000"
                               << "2300.00"
                               << "8192.04" << QStringList{"8192.04", "91807.96", "0.00", "0.00"}
                               << QStringList{"188.42", "2111.58", "0.00", "0.00"};
    }

    void remainderAHairBelowZeroIsAccepted() {
        QFETCH(QString, amount);
        QFETCH(QString, fee);
        QFETCH(QString, first);
        QFETCH(QStringList, rows);
        QFETCH(QStringList, shares);
        MainWindowFixture f;
        f.find<QLineEdit>("edtBd")->setText(amount);  // pasted whole
        QVERIFY(UseApportionment(f, [&](Tfrmfen* w) {
            QCOMPARE(w->findChild<QLabel*>(QStringLiteral("LQVD"))->text(), fee);
            Type(w, 1, first);
            QCOMPARE(Rows(w), rows);
            QCOMPARE(Shares(w), shares);
            QCOMPARE(Note(w), kAgree);
        }));
        QCOMPARE(f.boxes.texts(), QStringList());
    }

    void clearedRowTakesZeroThenTheRemainder() {
        MainWindowFixture f;
        f.typeAmount(QStringLiteral("100000"));
        QVERIFY(UseApportionment(f, [&](Tfrmfen* w) {
            Type(w, 1, QStringLiteral("60000"));
            Row(w, 2)->selectAll();
            QTest::keyClick(Row(w, 2), Qt::Key_Backspace);
            QCOMPARE(Rows(w), (QStringList{"60000", "", "0.00", "0.00"}));
            QCOMPARE(Shares(w), (QStringList{"1380.00", "920.00", "0.00", "0.00"}));
            Type(w, 1, QStringLiteral("5"));
            QCOMPARE(Rows(w), (QStringList{"5", "99995.00", "0.00", "0.00"}));
            QCOMPARE(Shares(w), (QStringList{"0.12", "2299.89", "0.00", "0.00"}));
        }));
        QVERIFY(f.boxes.boxes.empty());
    }

    void rowsThatAreNotNumbers_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QStringList>("rows");
        const auto notFloat = [](const char* t) {
            return QStringLiteral("'%1' is not a valid floating point value")
                .arg(QString::fromUtf8(t));
        };
        QTest::newRow("lone minus")
            << 1 << "-" << QStringList{notFloat("-")} << QStringList{"-", "0", "0", "0"};
        QTest::newRow("letters") << 1 << "12a" << QStringList{notFloat("12a")}
                                 << QStringList{"12a", "0", "0", "0"};
        QTest::newRow("beyond a double") << 1 << "1e400" << QStringList{notFloat("1e400")}
                                         << QStringList{"1e400", "0", "0", "0"};
        QTest::newRow("letters in row 2")
            << 2 << "x" << QStringList{notFloat("x")} << QStringList{"60000", "x", "0.00", "0.00"};
        QTest::newRow("huge beyond the amount")
            << 1 << "1e308" << QStringList{kShortfall} << QStringList{"0", "0", "0", "0"};
        QTest::newRow("negative") << 1 << "-5" << QStringList()
                                  << QStringList{"-5", "100005.00", "0.00", "0.00"};
    }

    // Pasted whole: the error box or the shortfall message, once, never a loop.
    void rowsThatAreNotNumbers() {
        QFETCH(int, row);
        QFETCH(QString, text);
        QFETCH(QStringList, boxes);
        QFETCH(QStringList, rows);
        MainWindowFixture f;
        f.typeAmount(QStringLiteral("100000"));
        QVERIFY(UseApportionment(f, [&](Tfrmfen* w) {
            if (row == 2) Type(w, 1, QStringLiteral("60000"));
            Row(w, row)->setText(text);
            QCOMPARE(f.boxes.texts(), boxes);
            QCOMPARE(Rows(w), rows);
            // The window still works afterwards.
            w->findChild<QAbstractButton*>(QStringLiteral("BitBtn1"))->click();
            Row(w, row)->setText(QStringLiteral("0"));
            Type(w, 1, QStringLiteral("60000"));
            QCOMPARE(Row(w, 2)->text(), QStringLiteral("40000.00"));
        }));
    }

    // A failure inside a nested rule ends the whole event: one box, and the
    // reset that ran into it stops where it was.
    void resetRunningIntoABadRowStopsThere() {
        MainWindowFixture f;
        f.typeAmount(QStringLiteral("100000"));
        QVERIFY(UseApportionment(f, [&](Tfrmfen* w) {
            Type(w, 1, QStringLiteral("60000"));
            Row(w, 2)->setText(QStringLiteral("x"));
            f.boxes.clear();
            w->findChild<QAbstractButton*>(QStringLiteral("BitBtn1"))->click();
            QCOMPARE(f.boxes.texts(),
                     QStringList{QStringLiteral("'x' is not a valid floating point value")});
            QCOMPARE(f.boxes.boxes[0].kind, BoxKind::Error);
            QCOMPARE(Rows(w), (QStringList{"0", "x", "0.00", "0.00"}));
            QCOMPARE(Shares(w), (QStringList{"1380.00", "920.00", "0.00", "0.00"}));
        }));
    }

    void halvedFeeAndOtherCasesOpenWithTheirFee_data() {
        QTest::addColumn<QString>("caseName");
        QTest::addColumn<bool>("halved");
        QTest::addColumn<QString>("fee");
        QTest::newRow("property halved") << "SpeedButton11" << true << "1150.00";
        QTest::newRow("divorce") << "SpeedButton12" << false << "50.00";
        QTest::newRow("personality") << "SpeedButton13" << false << "600.00";
    }

    void halvedFeeAndOtherCasesOpenWithTheirFee() {
        QFETCH(QString, caseName);
        QFETCH(bool, halved);
        QFETCH(QString, fee);
        MainWindowFixture f;
        if (halved) f.find<QRadioButton>("RBhalf")->click();
        f.typeAmount(QStringLiteral("100000"));
        QString shown;
        QVERIFY(UseApportionment(
            f, [&](Tfrmfen* w) { shown = w->findChild<QLabel*>(QStringLiteral("LQVD"))->text(); },
            caseName.toLatin1().constData()));
        QCOMPARE(shown, fee);
    }

    void emptyAmountOpensNothing() {
        MainWindowFixture f;
        f.find<QLineEdit>("edtBd")->setText(QStringLiteral("   "));
        QVERIFY(!UseApportionment(f, [](Tfrmfen*) {}));
        QVERIFY(!f.form->shell().frmfen->isVisible());
    }
};

QTEST_MAIN(ApportionWindowTest)
#include "apportion_window_test.moc"
