// The base-fee settings window, opened from the acceptance-fee page: what a
// confirm accepts, stores and refuses, going back, and files that cannot be
// written.
#include "fees/base_fee_window.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTimer>
#include <functional>

#include "fees/base_fees.h"
#include "support/test_support.h"

using namespace lumtar;
using lumtar::test::MainWindowFixture;

namespace {

// Opens the window by its button on the page and runs `use` while it shows;
// the window is closed afterwards, or after a few seconds should `use` hang.
bool UseSettingsWindow(MainWindowFixture& f, const std::function<void(TForm2*)>& use) {
    TForm2* form2 = f.form->shell().Form2;
    bool used = false;
    QTimer::singleShot(0, form2, [&] {
        used = true;
        use(form2);
        if (form2->isVisible()) form2->reject();
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, form2, &QDialog::reject);
    watchdog.start(5000);
    f.find<QAbstractButton>("SpeedButtonjishu")->click();
    return used;
}

QLineEdit* Field(TForm2* form2, const char* name) {
    return form2->findChild<QLineEdit*>(QString::fromLatin1(name));
}

void Confirm(TForm2* form2, const QString& divorce, const QString& personality) {
    Field(form2, "Edit1")->setText(divorce);
    Field(form2, "Edit2")->setText(personality);
    form2->findChild<QAbstractButton*>(QStringLiteral("SpeedButton1"))->click();
}

QString StoredFees(const MainWindowFixture& f) {
    const BaseFees fees = ReadBaseFees(f.form->shell().files.baseFees());
    return QStringLiteral("%1/%2").arg(fees.divorce).arg(fees.personality);
}

void WriteOldFees(const MainWindowFixture& f) {
    test::WriteGbkFile(f.form->shell().files.baseFeePath(),
                       QStringLiteral("[qvd]\nlihun=80\nrenge=200\n"));
}

// Makes a file or folder refuse writes while it lives: by its mode, or for
// root, which writes through modes, by the file system's immutable flag.
class WriteProtection {
public:
    explicit WriteProtection(QString path) : path_(std::move(path)) {
        if (::geteuid() != 0) {
            oldPermissions_ = QFile::permissions(path_);
            active_ = QFile::setPermissions(
                path_, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ReadOther);
            byMode_ = true;
        } else {
            active_ = setImmutable(true);
        }
    }
    ~WriteProtection() {
        if (!active_) return;
        if (byMode_)
            QFile::setPermissions(path_, oldPermissions_);
        else
            setImmutable(false);
    }
    bool active() const { return active_; }

private:
    bool setImmutable(bool on) {
        const int fd = ::open(QFile::encodeName(path_).constData(), O_RDONLY | O_NONBLOCK);
        if (fd < 0) return false;
        int flags = 0;
        bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        ok = ok && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        ::close(fd);
        return ok;
    }

    QString path_;
    QFile::Permissions oldPermissions_;
    bool byMode_ = false;
    bool active_ = false;
};

}  // namespace

class BaseFeeWindowTest : public QObject {
    Q_OBJECT

private slots:
    void confirmChecksThenStores_data() {
        QTest::addColumn<QString>("divorce");
        QTest::addColumn<QString>("personality");
        QTest::addColumn<QString>("message");  // empty: none
        QTest::addColumn<bool>("closes");
        QTest::addColumn<QString>("stored");
        const QString notNumbers = QStringLiteral("出错，请确认输入的是小写数字。操作被退回。");
        const QString divorceRange =
            QStringLiteral("离婚案件收费基数设定高于或低于法定数，操作被退回。");
        const QString personalityRange =
            QStringLiteral("人格权侵权案件收费基数设定高于或停低于法定数，操作被退回。");
        QTest::newRow("lowest") << "50"
                                << "100"
                                << "" << true << "50/100";
        QTest::newRow("highest") << "300"
                                 << "500"
                                 << "" << true << "300/500";
        QTest::newRow("blanks around") << " 120 "
                                       << "300"
                                       << "" << true << "120/300";
        QTest::newRow("divorce 49") << "49"
                                    << "100" << divorceRange << false << "80/200";
        QTest::newRow("divorce 301") << "301"
                                     << "100" << divorceRange << false << "80/200";
        QTest::newRow("personality 99") << "120"
                                        << "99" << personalityRange << false << "80/200";
        QTest::newRow("personality 501") << "120"
                                         << "501" << personalityRange << false << "80/200";
        QTest::newRow("divorce checked first") << "20"
                                               << "900" << divorceRange << false << "80/200";
        QTest::newRow("negative") << "120"
                                  << "-150" << personalityRange << false << "80/200";
        QTest::newRow("letters before range") << "20"
                                              << "abc" << notNumbers << false << "80/200";
        QTest::newRow("decimal") << "120.5"
                                 << "300" << notNumbers << false << "80/200";
        QTest::newRow("huge") << "99999999999"
                              << "300" << notNumbers << false << "80/200";
        QTest::newRow("lone sign") << "-"
                                   << "300" << notNumbers << false << "80/200";
        QTest::newRow("divorce empty") << ""
                                       << "300"
                                       << "" << false << "80/200";
        QTest::newRow("personality blanks") << "120"
                                            << "   "
                                            << "" << false << "80/200";
    }

    void confirmChecksThenStores() {
        QFETCH(QString, divorce);
        QFETCH(QString, personality);
        QFETCH(QString, message);
        QFETCH(bool, closes);
        QFETCH(QString, stored);
        MainWindowFixture f;
        WriteOldFees(f);
        bool closed = false;
        QVERIFY(UseSettingsWindow(f, [&](TForm2* form2) {
            Confirm(form2, divorce, personality);
            closed = !form2->isVisible();
        }));
        QCOMPARE(closed, closes);
        QCOMPARE(f.boxes.texts(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(StoredFees(f), stored);
        const QStringList fees = stored.split(QLatin1Char('/'));
        QCOMPARE(f.find<QAbstractButton>("SpeedButtonjishu")->text(),
                 BaseFeeCaption(fees[0], fees[1]));
    }

    void acceptedValuesRecomputeThePage() {
        MainWindowFixture f;
        f.typeAmount(QStringLiteral("300000"));
        QVERIFY(UseSettingsWindow(f, [](TForm2* form2) {
            QCOMPARE(Field(form2, "Edit1")->text(), QStringLiteral("50"));
            QCOMPARE(Field(form2, "Edit2")->text(), QStringLiteral("100"));
            Confirm(form2, QStringLiteral("120"), QStringLiteral("300"));
        }));
        QCOMPARE(f.find<QAbstractButton>("SpeedButtonjishu")->text(),
                 QStringLiteral("离婚120元 人格权300元"));
        QCOMPARE(f.find<QAbstractButton>("SpeedButton5")->text(), QStringLiteral("620.00"));
        QCOMPARE(f.find<QAbstractButton>("SpeedButton6")->text(), QStringLiteral("1800.00"));
        QCOMPARE(f.form->shell().keptFees.divorce, 620.0);
        // A confirm with no file creates it with its section.
        QFile file(f.form->shell().files.baseFeePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("[qvd]"));
    }

    void backStoresNothingAndTheNextOpeningShowsTheFile() {
        MainWindowFixture f;
        WriteOldFees(f);
        QVERIFY(UseSettingsWindow(f, [](TForm2* form2) {
            Field(form2, "Edit1")->setText(QStringLiteral("250"));
            Field(form2, "Edit2")->setText(QStringLiteral("450"));
            form2->findChild<QAbstractButton*>(QStringLiteral("SpeedButton2"))->click();
            QVERIFY(!form2->isVisible());
            QCOMPARE(form2->result(), int(QDialog::Rejected));
        }));
        QCOMPARE(StoredFees(f), QStringLiteral("80/200"));
        QVERIFY(UseSettingsWindow(f, [](TForm2* form2) {
            QCOMPARE(Field(form2, "Edit1")->text(), QStringLiteral("80"));
            QCOMPARE(Field(form2, "Edit2")->text(), QStringLiteral("200"));
        }));
    }

    void fileValuesAreShownAsRead_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("divorce");
        QTest::addColumn<QString>("personality");
        QTest::newRow("not a number") << "[qvd]\nlihun=abc\nrenge=300\n"
                                      << "50"
                                      << "300";
        QTest::newRow("outside its range") << "[qvd]\nlihun=1000\n"
                                           << "1000"
                                           << "100";
    }

    void fileValuesAreShownAsRead() {
        QFETCH(QString, file);
        QFETCH(QString, divorce);
        QFETCH(QString, personality);
        MainWindowFixture f;
        test::WriteGbkFile(f.form->shell().files.baseFeePath(), file);
        QVERIFY(UseSettingsWindow(f, [&](TForm2* form2) {
            QCOMPARE(Field(form2, "Edit1")->text(), divorce);
            QCOMPARE(Field(form2, "Edit2")->text(), personality);
        }));
        QCOMPARE(f.find<QAbstractButton>("SpeedButtonjishu")->text(),
                 BaseFeeCaption(divorce, personality));
    }

    void unwritableFileKeepsTheOldValues_data() {
        QTest::addColumn<bool>("protectFolder");
        QTest::newRow("read-only file") << false;
        QTest::newRow("read-only folder") << true;
    }

    void unwritableFileKeepsTheOldValues() {
        QFETCH(bool, protectFolder);
        MainWindowFixture f;
        WriteOldFees(f);
        const QString path = f.form->shell().files.baseFeePath();
        WriteProtection protection(protectFolder ? f.dir.path() : path);
        if (!protection.active()) QSKIP("this file system cannot refuse writes to its owner");
        auto* caption = f.find<QAbstractButton>("SpeedButtonjishu");
        const QString captionBefore = caption->text();
        bool stayedOpen = false;
        QString captionInside;
        QVERIFY(UseSettingsWindow(f, [&](TForm2* form2) {
            Confirm(form2, QStringLiteral("120"), QStringLiteral("300"));
            stayedOpen = form2->isVisible();
            captionInside = caption->text();
        }));
        QVERIFY(stayedOpen);
        QCOMPARE(captionInside, captionBefore);
        QCOMPARE(f.boxes.boxes.size(), std::size_t(1));
        QCOMPARE(f.boxes.boxes[0].kind, BoxKind::Error);
        QCOMPARE(f.boxes.boxes[0].text, QStringLiteral("Unable to write to ") + path);
        QCOMPARE(StoredFees(f), QStringLiteral("80/200"));
    }

    void pathTakenByAFolderIsReportedNotCrashed() {
        MainWindowFixture f;
        const QString path = f.form->shell().files.baseFeePath();
        QVERIFY(QDir().mkpath(path));
        bool stayedOpen = false;
        QVERIFY(UseSettingsWindow(f, [&](TForm2* form2) {
            Confirm(form2, QStringLiteral("120"), QStringLiteral("300"));
            stayedOpen = form2->isVisible();
        }));
        QVERIFY(stayedOpen);
        QCOMPARE(f.boxes.texts(), QStringList{QStringLiteral("Unable to write to ") + path});
        QCOMPARE(f.find<QAbstractButton>("SpeedButtonjishu")->text(),
                 QStringLiteral("离婚50元 人格权100元"));
    }
};

QTEST_MAIN(BaseFeeWindowTest)
#include "base_fee_window_test.moc"
