// The settings accessor against real files on disk.
#include "app/ini_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "app/settings_files.h"
#include "support/test_support.h"

using namespace lumtar;

class IniFileTest : public QObject {
    Q_OBJECT

private slots:
    void missingFileGivesDefaults() {
        QTemporaryDir dir;
        const IniFile file(dir.filePath(QStringLiteral("set2")));
        QCOMPARE(file.readInteger(QStringLiteral("qvd"), QStringLiteral("lihun"), 50), 50);
        QCOMPARE(file.readString(QStringLiteral("1"), QStringLiteral("name"),
                                 QStringLiteral("Orvane法律软件")),
                 QStringLiteral("Orvane法律软件"));
        QCOMPARE(file.readBool(QStringLiteral("a1"), QStringLiteral("chk"), false), false);
    }

    void readsGbkAndIntegerForms() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("set"));
        test::WriteGbkFile(path, QStringLiteral("[1]\r\nname=法律软件\r\n[qvd]\r\nlihun=0x78\r\n"
                                                "renge=abc\r\n[a1]\r\nchk=2\r\n"));
        const IniFile file(path);
        QCOMPARE(file.readString(QStringLiteral("1"), QStringLiteral("NAME"), QString()),
                 QStringLiteral("法律软件"));
        QCOMPARE(file.readInteger(QStringLiteral("qvd"), QStringLiteral("lihun"), 50), 120);
        QCOMPARE(file.readInteger(QStringLiteral("qvd"), QStringLiteral("renge"), 100), 100);
        QCOMPARE(file.readBool(QStringLiteral("a1"), QStringLiteral("chk"), false), true);
    }

    void everyReadSeesTheFileAsItIsNow() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("set2"));
        const IniFile file(path);
        test::WriteGbkFile(path, QStringLiteral("[qvd]\nlihun=120\n"));
        QCOMPARE(file.readInteger(QStringLiteral("qvd"), QStringLiteral("lihun"), 50), 120);
        test::WriteGbkFile(path, QStringLiteral("[qvd]\nlihun=300\n"));
        QCOMPARE(file.readInteger(QStringLiteral("qvd"), QStringLiteral("lihun"), 50), 300);
    }

    void writeCreatesFileAndKeepsOtherBytes() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("sub/set2"));
        const IniFile file(path);
        file.writeInteger(QStringLiteral("qvd"), QStringLiteral("lihun"), 120);
        file.writeInteger(QStringLiteral("qvd"), QStringLiteral("renge"), -3);
        QFile raw(path);
        QVERIFY(raw.open(QIODevice::ReadOnly));
        QCOMPARE(raw.readAll(), QByteArray("[qvd]\nlihun=120\nrenge=-3\n"));
        raw.close();

        test::WriteGbkFile(path, QStringLiteral("[注]\r\n说明=保留\r\n[qvd]\r\nlihun=50\r\n"));
        file.writeInteger(QStringLiteral("QVD"), QStringLiteral("lihun"), 300);
        QVERIFY(raw.open(QIODevice::ReadOnly));
        const QByteArray bytes = raw.readAll();
        QCOMPARE(bytes.right(11), QByteArray("lihun=300\r\n"));
        QCOMPARE(file.readString(QStringLiteral("注"), QStringLiteral("说明"), QString()),
                 QStringLiteral("保留"));
    }

    void refusedWriteRaisesAndLeavesNothingHalfWritten() {
        QTemporaryDir dir;
        // A folder that is a plain file cannot hold the settings file, even for root.
        const QString blocker = dir.filePath(QStringLiteral("blocker"));
        test::WriteGbkFile(blocker, QStringLiteral("x"));
        const IniFile file(blocker + QStringLiteral("/set2"));
        try {
            file.writeInteger(QStringLiteral("qvd"), QStringLiteral("lihun"), 120);
            QFAIL("no error");
        } catch (const IniWriteError& e) {
            QCOMPARE(QString::fromUtf8(e.what()),
                     QStringLiteral("Unable to write to ") + file.path());
        }
    }

    void standardFolderFollowsXdgConfigHome() {
        qputenv("XDG_CONFIG_HOME", "/tmp/lumtar-xdg-test");
        const SettingsFiles files = SettingsFiles::standard();
        QCOMPARE(files.baseFeePath(), QStringLiteral("/tmp/lumtar-xdg-test/lumtar/set2"));
        QCOMPARE(files.siteSettingsPath(), QStringLiteral("/tmp/lumtar-xdg-test/lumtar/set"));
        QCOMPARE(files.checkFilePath(), QStringLiteral("/tmp/lumtar-xdg-test/lumtar/chk1.ini"));
    }
};

QTEST_MAIN(IniFileTest)
#include "ini_file_test.moc"
