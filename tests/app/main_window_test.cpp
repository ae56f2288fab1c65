// The main window's start state, amount field, page changes and fixed pages.
#include <QAbstractButton>
#include <QApplication>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTextEdit>

#include "amounts/number_text.h"
#include "app/guard.h"
#include "app/measures_page.h"
#include "support/test_support.h"

using namespace lumtar;
using lumtar::test::MainWindowFixture;

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void startsInItsDesignState_data() {
        QTest::addColumn<bool>("v13");
        QTest::newRow("V14.2") << false;
        QTest::newRow("V13") << true;
    }

    void startsInItsDesignState() {
        QFETCH(bool, v13);
        MainWindowFixture f(v13 ? kReleaseV13 : kReleaseV14_2);
        QCOMPARE(f.form->windowTitle(), v13 ? QStringLiteral("LumtarV13   计算结果仅供参考 ")
                                            : QStringLiteral("LumtarV14.2   计算结果仅供参考 "));
        QCOMPARE(f.form->size(), QSize(625, 449));
        QCOMPARE(f.form->minimumSize(), f.form->maximumSize());

        QStringList tabs;
        for (int i = 0; i < f.form->pages()->count(); ++i) tabs << f.form->pages()->tabText(i);
        QCOMPARE(tabs, (QStringList{"受理费", "申请费", "迟延利息", "违约金", "日期计算", "新办法",
                                    "关于"}));
        QCOMPARE(f.form->pages()->currentIndex(), 0);
        QVERIFY(f.find<QLineEdit>("edtBd")->hasFocus());
        QCOMPARE(f.find<QLineEdit>("edtBd")->text(), QString());
        QCOMPARE(f.find<QLineEdit>("edtBd")->maxLength(), 11);
        QCOMPARE(f.find<QLineEdit>("edtBd")->accessibleName(), QStringLiteral("标的金额"));
        QCOMPARE(f.find<QLabel>("Label24")->text(), QString());

        for (const char* name : {"RBall", "RBxiao", "RadioButton4", "RadioButton1"}) {
            auto* radio = f.find<QRadioButton>(name);
            QVERIFY2(radio && radio->isChecked(), name);
        }
        const QDate today = QDate::currentDate();
        const auto pickers = f.form->findChildren<QDateEdit*>();
        QCOMPARE(pickers.size(), 6);
        for (QDateEdit* picker : pickers) QCOMPARE(picker->date(), today);
    }

    void baseFeeCaptionFollowsTheFileAtActivation() {
        MainWindowFixture f;
        auto* jishu = f.find<QAbstractButton>("SpeedButtonjishu");
        QVERIFY(jishu);
        QCOMPARE(jishu->text(), QStringLiteral("离婚50元 人格权100元"));

        test::WriteGbkFile(f.form->shell().files.baseFeePath(),
                           QStringLiteral("[qvd]\nlihun=120\nrenge=300\n"));
        f.form->FormActivate();
        QCOMPARE(jishu->text(), QStringLiteral("离婚120元 人格权300元"));
    }

    void returnFromAnotherProgramIsNoActivation() {
        MainWindowFixture f;
        QSignalSpy activations(f.form.get(), &TForm1::activated);
        // Another program takes the focus: no window of this program is active.
        QApplication::setActiveWindow(nullptr);
        QEvent deactivate(QEvent::WindowDeactivate);
        QCoreApplication::sendEvent(f.form.get(), &deactivate);
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(f.form.get(), &activate);
        QCOMPARE(activations.count(), 0);
        // A message box of the program closing is an activation.
        ShowMessage(f.form.get(), QStringLiteral("ok"));
        QCOMPARE(activations.count(), 1);
    }

    void amountEchoFollowsEveryKeystroke() {
        MainWindowFixture f;
        auto* echo = f.find<QLabel>("Label24");
        f.typeAmount(QStringLiteral("1234.5"));
        QCOMPARE(echo->text(), QStringLiteral("一千二百三十四元五角"));
        QTest::keyClicks(f.find<QLineEdit>("edtBd"), QStringLiteral("6"));
        QCOMPARE(echo->text(), QStringLiteral("一千二百三十四元五角六分"));
    }

    void enterClearsTheAmount() {
        MainWindowFixture f;
        auto* field = f.find<QLineEdit>("edtBd");
        f.typeAmount(QStringLiteral("100000"));
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(field->text(), QString());
        QCOMPARE(f.find<QLabel>("Label24")->text(), QString());
        QVERIFY(field->hasFocus());
    }

    void twelfthCharacterIsRefused() {
        MainWindowFixture f;
        f.typeAmount(QStringLiteral("999999999999"));
        QCOMPARE(f.find<QLineEdit>("edtBd")->text(), QStringLiteral("99999999999"));
        QCOMPARE(f.find<QLabel>("Label24")->text(),
                 QStringLiteral("九百九十九亿九千九百九十九万九千九百九十九元"));
    }

    void nonComputingPagesIgnoreTheAmount() {
        MainWindowFixture f;
        f.typeAmount(QStringLiteral("100"));
        const QString echo = f.find<QLabel>("Label24")->text();
        for (const QString& page :
             {QStringLiteral("日期计算"), QStringLiteral("新办法"), QStringLiteral("关于")}) {
            f.selectPage(page);
            f.find<QLineEdit>("edtBd")->setText(QStringLiteral("abc"));
            QCOMPARE(f.find<QLineEdit>("edtBd")->text(), QStringLiteral("abc"));
            QCOMPARE(f.find<QLabel>("Label24")->text(), echo);
            f.find<QLineEdit>("edtBd")->setText(QStringLiteral("100"));
        }
        // Back on a computing page the new text is checked at once.
        f.find<QLineEdit>("edtBd")->setText(QStringLiteral("200"));
        f.selectPage(QStringLiteral("受理费"));
        QCOMPARE(f.find<QLabel>("Label24")->text(), QStringLiteral("二百元"));
    }

    void measuresPageHoldsTheWholeText() {
        MainWindowFixture f;
        f.selectPage(QStringLiteral("新办法"));
        const QString text = f.find<QTextEdit>("RichEdit1")->toPlainText();
        QVERIFY(f.find<QTextEdit>("RichEdit1")->isReadOnly());
        const QStringList lines = text.split(QLatin1Char('\n'));
        QVERIFY(lines[0].endsWith(QStringLiteral("诉讼费用交纳办法")));
        QVERIFY(lines[0].startsWith(QStringLiteral("\u3000\u3000\u3000")));
        QVERIFY(lines[1].trimmed() == QStringLiteral("(国务院令第481号)"));
        for (const char* chapter :
             {"总则", "诉讼费用交纳范围", "诉讼费用交纳标准", "诉讼费用的交纳和退还",
              "诉讼费用的负担", "司法救助", "诉讼费用的管理和监督", "附则"})
            QVERIFY2(text.contains(QString::fromUtf8(chapter)), chapter);
        QVERIFY(text.contains(QStringLiteral("\u3000\u3000第五十六条")));
        QVERIFY(text.contains(QStringLiteral("2007年4月1日起施行")));
    }

    void calculatorIconReportsNothingWithoutACalculator() {
        MainWindowFixture f;
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QByteArray("/nonexistent"));
        f.form->Image4Click();
        qputenv("PATH", path);
        QVERIFY(f.boxes.boxes.empty());
        QCOMPARE(f.find<QLabel>("Image4")->toolTip(), QStringLiteral("打开计算器"));
    }

    void escapingErrorGoesToTheStandardErrorBox() {
        MainWindowFixture f;
        Guarded(f.form.get(), [] { StrToFloat("abc"); });
        QCOMPARE(f.boxes.boxes.size(), std::size_t{1});
        QCOMPARE(f.boxes.boxes[0].kind, BoxKind::Error);
        QCOMPARE(f.boxes.boxes[0].title, QStringLiteral("Lumtar"));
        QCOMPARE(f.boxes.boxes[0].text,
                 QStringLiteral("'abc' is not a valid floating point value"));
        // The window carries on: the next keystroke is handled as usual.
        f.typeAmount(QStringLiteral("5"));
        QCOMPARE(f.find<QLabel>("Label24")->text(), QStringLiteral("五元"));
    }

    void screenshot() {
        MainWindowFixture f;
        f.typeAmount(QStringLiteral("100000"));
        QVERIFY(!f.form->grab().isNull());
        test::SaveScreenshot(f.form.get(), QStringLiteral("main-window"));
        f.selectPage(QStringLiteral("新办法"));
        test::SaveScreenshot(f.form.get(), QStringLiteral("measures-page"));
        f.selectPage(QStringLiteral("关于"));
        test::SaveScreenshot(f.form.get(), QStringLiteral("about-page"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
