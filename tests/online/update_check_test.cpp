// The update check against a real HTTP server on 127.0.0.1: what the top
// strip shows, what the hidden status button says, and which files on disk
// change, for good answers, bad answers and no answer at all.

#include <QDir>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

#include "http_test_server.h"
#include "online_fixture.h"

using namespace lumtar;
using namespace lumtar::test;

namespace {

const QString kOfflineHint = QStringLiteral("当前电脑可能未连接到互联网，不能使用更新功能");
const QString kSwitchedOffHint = QStringLiteral("当前电脑未能正常访问Orvane法律网，不能更新");

const QByteArray kOldCheckFile = "[a1]\r\nchk=1\r\n[ad]\r\nnum=3\r\n";
const QByteArray kOldSettings = "[ad]\r\nnum=7\r\ntotal=1\r\n[holiday]\r\nnum=1\r\n1=20121001\r\n";
const QByteArray kNewSettings = "[ad]\r\nnum=8\r\ntotal=2\r\n[holiday]\r\nnum=2\r\n1=20131001\r\n";

QByteArray CheckFile(const char* chk, const char* num) {
    QByteArray text = "[a1]\r\n";
    if (chk) text += QByteArray("chk=") + chk + "\r\n";
    text += "[ad]\r\n";
    if (num) text += QByteArray("num=") + num + "\r\n";
    return text;
}

QByteArray Padded(const QByteArray& ini, qsizetype size) {
    QByteArray body = ini;
    while (body.size() < size)
        body += ";" + QByteArray(qMin<qsizetype>(78, size - body.size()), 'x') + "\n";
    return body.left(size);
}

// Only the files the program keeps: a download never leaves a temporary file behind.
QStringList FilesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

}  // namespace

Q_DECLARE_METATYPE(lumtar::test::Answer)

class UpdateCheckTest : public QObject {
    Q_OBJECT
private slots:
    void answersOfTheCheckFile_data();
    void answersOfTheCheckFile();
    void failedSettingsDownloadKeepsTheOldFile_data();
    void failedSettingsDownloadKeepsTheOldFile();
    void sizeLimitIsOneMebibyte();
    void serverDownLeavesEverything();
    void silentServerEndsByTimeoutWithoutBlocking();
    void checksInQuickSuccessionRunOneAtATime();
    void closingAbandonsARunningCheck();
    void laterFailureBringsTheBannerBack();
};

// What each answer to "/chk.rar" leads to. The local settings file is version 7
// unless the row removes it; the server always offers kNewSettings.
void UpdateCheckTest::answersOfTheCheckFile_data() {
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("localFile");
    QTest::addColumn<bool>("noticeShown");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<bool>("downloads");

    const auto ok = [](const QByteArray& body) { return Answer{.body = body}; };
    QTest::newRow("on, same version")
        << ok(CheckFile("1", "7")) << true << true << QString() << false;
    QTest::newRow("on, server newer")
        << ok(CheckFile("1", "8")) << true << true << QString() << true;
    QTest::newRow("on, server lower")
        << ok(CheckFile("1", "2")) << true << true << QString() << true;
    QTest::newRow("on, any nonzero")
        << ok(CheckFile("5", "7")) << true << true << QString() << false;
    QTest::newRow("on, no local file, no server num")
        << ok(CheckFile("1", nullptr)) << false << true << QString() << true;
    QTest::newRow("on, no local file, server num 0")
        << ok(CheckFile("1", "0")) << false << true << QString() << false;
    QTest::newRow("off, versions differ")
        << ok(CheckFile("0", "8")) << true << false << kSwitchedOffHint << false;
    QTest::newRow("off, chk missing")
        << ok(CheckFile(nullptr, "8")) << true << false << kSwitchedOffHint << false;
    QTest::newRow("off, chk not a number")
        << ok(CheckFile("abc", "8")) << true << false << kSwitchedOffHint << false;
    QTest::newRow("HTML instead of INI")
        << Answer{.body = "<html><body>[a1] chk=1</body></html>", .contentType = "text/html"}
        << true << false << kSwitchedOffHint << false;
    QTest::newRow("binary") << ok(QByteArray("\x00\xff[a1]\x00"
                                             "chk=1\x00",
                                             13))
                            << true << false << kSwitchedOffHint << false;
    QTest::newRow("404") << Answer{.status = 404, .body = CheckFile("1", "8")} << true << false
                         << kOfflineHint << false;
    QTest::newRow("500") << Answer{.status = 500, .body = CheckFile("1", "8")} << true << false
                         << kOfflineHint << false;
    QTest::newRow("redirect loop")
        << Answer{.kind = Answer::Kind::RedirectLoop} << true << false << kOfflineHint << false;
    QTest::newRow("10 MB declared")
        << ok(Padded(CheckFile("1", "8"), 10'000'000)) << true << false << kOfflineHint << false;
    QTest::newRow("10 MB undeclared")
        << Answer{.kind = Answer::Kind::Undeclared, .body = Padded(CheckFile("1", "8"), 10'000'000)}
        << true << false << kOfflineHint << false;
    QTest::newRow("slow trickle") << Answer{.kind = Answer::Kind::Trickle} << true << false
                                  << kOfflineHint << false;
    QTest::newRow("never answers")
        << Answer{.kind = Answer::Kind::Silent} << true << false << kOfflineHint << false;
}

void UpdateCheckTest::answersOfTheCheckFile() {
    QFETCH(Answer, answer);
    QFETCH(bool, localFile);
    QFETCH(bool, noticeShown);
    QFETCH(QString, hint);
    QFETCH(bool, downloads);

    HttpTestServer server;
    server.answer("/chk.rar", answer);
    server.answer("/qvd/set.rar", kNewSettings);
    server.answer("/gg.asp", Answer{.body = "<p>notice</p>", .contentType = "text/html"});
    OnlineWindow w(server.url());
    w.put(w.files().checkFilePath(), kOldCheckFile);
    if (localFile) w.put(w.files().siteSettingsPath(), kOldSettings);
    QAbstractButton* status = w.statusButton();
    QVERIFY(status);
    status->setToolTip(QStringLiteral("before"));

    QVERIFY(w.check());

    QCOMPARE(w.bannerShown(), !noticeShown);
    QCOMPARE(status->isEnabled(), noticeShown);
    QCOMPARE(status->toolTip(), noticeShown ? QStringLiteral("before") : hint);
    QTRY_COMPARE(server.hits("/gg.asp"), noticeShown ? 1 : 0);
    QCOMPARE(server.hits("/qvd/set.rar"), downloads ? 1 : 0);

    // The check file is replaced by exactly what came, or left alone.
    const bool fetched = hint != kOfflineHint;
    QCOMPARE(OnlineWindow::contentOf(w.files().checkFilePath()),
             fetched ? answer.body : kOldCheckFile);
    const QByteArray before = localFile ? kOldSettings : QByteArray("<missing>");
    QCOMPARE(OnlineWindow::contentOf(w.files().siteSettingsPath()),
             downloads ? kNewSettings : before);
    // Every reader now sees the file on disk.
    QCOMPARE(w.form->shell().siteSettings.readInteger("ad", "num", 0), downloads   ? 8
                                                                       : localFile ? 7
                                                                                   : 0);
    QVERIFY(w.boxes.boxes.empty());
}

void UpdateCheckTest::failedSettingsDownloadKeepsTheOldFile_data() {
    QTest::addColumn<Answer>("answer");
    QTest::newRow("404") << Answer{.status = 404, .body = kNewSettings};
    QTest::newRow("500") << Answer{.status = 500, .body = kNewSettings};
    QTest::newRow("HTML page") << Answer{.body = "<html><body><p>Please log in</p></body></html>",
                                         .contentType = "text/html"};
    QTest::newRow("binary") << Answer{.body = QByteArray("[ad]\x00\x01\x02", 7)};
    QTest::newRow("empty") << Answer{.body = ""};
    QTest::newRow("10 MB") << Answer{.body = Padded(kNewSettings, 10'000'000)};
    QTest::newRow("slow trickle") << Answer{.kind = Answer::Kind::Trickle};
    QTest::newRow("never answers") << Answer{.kind = Answer::Kind::Silent};
    QTest::newRow("redirect loop") << Answer{.kind = Answer::Kind::RedirectLoop};
}

void UpdateCheckTest::failedSettingsDownloadKeepsTheOldFile() {
    QFETCH(Answer, answer);
    HttpTestServer server;
    server.answer("/chk.rar", CheckFile("1", "8"));
    server.answer("/qvd/set.rar", answer);
    OnlineWindow w(server.url());
    w.put(w.files().siteSettingsPath(), kOldSettings);

    QVERIFY(w.check());

    QVERIFY(!w.bannerShown());
    QCOMPARE(OnlineWindow::contentOf(w.files().siteSettingsPath()), kOldSettings);
    QCOMPARE(FilesIn(w.dir.path()), (QStringList{"chk1.ini", "set"}));
    // The versions still differ, so the next check tries again.
    server.answer("/qvd/set.rar", kNewSettings);
    QVERIFY(w.check());
    QCOMPARE(OnlineWindow::contentOf(w.files().siteSettingsPath()), kNewSettings);
}

void UpdateCheckTest::sizeLimitIsOneMebibyte() {
    HttpTestServer server;
    server.answer("/chk.rar", CheckFile("1", "8"));
    OnlineWindow w(server.url());
    w.put(w.files().siteSettingsPath(), kOldSettings);

    const QByteArray tooLarge = Padded(kNewSettings, (1 << 20) + 1);
    server.answer("/qvd/set.rar", Answer{.kind = Answer::Kind::Undeclared, .body = tooLarge});
    QVERIFY(w.check());
    QCOMPARE(OnlineWindow::contentOf(w.files().siteSettingsPath()), kOldSettings);

    const QByteArray largest = Padded(kNewSettings, 1 << 20);
    server.answer("/qvd/set.rar", largest);
    QVERIFY(w.check());
    QCOMPARE(OnlineWindow::contentOf(w.files().siteSettingsPath()), largest);
}

void UpdateCheckTest::serverDownLeavesEverything() {
    HttpTestServer server;
    const QString url = server.url();
    server.shutDown();
    OnlineWindow w(url);
    w.put(w.files().siteSettingsPath(), kOldSettings);

    QVERIFY(w.check());

    QVERIFY(w.bannerShown());
    QVERIFY(!w.statusButton()->isEnabled());
    QCOMPARE(w.statusButton()->toolTip(), kOfflineHint);
    QCOMPARE(FilesIn(w.dir.path()), QStringList{"set"});
    QCOMPARE(OnlineWindow::contentOf(w.files().siteSettingsPath()), kOldSettings);
}

void UpdateCheckTest::silentServerEndsByTimeoutWithoutBlocking() {
    HttpTestServer server;
    server.answer("/chk.rar", Answer{.kind = Answer::Kind::Silent});
    OnlineWindow w(server.url());
    QSignalSpy finished(w.online, &OnlineServices::checkFinished);

    QElapsedTimer clock;
    clock.start();
    w.online->startCheck();
    QVERIFY2(clock.elapsed() < 500, "starting a check must not wait for the server");

    // The window goes on handling events while the server says nothing.
    int ticks = 0;
    QTimer heartbeat;
    QObject::connect(&heartbeat, &QTimer::timeout, [&] { ++ticks; });
    heartbeat.start(20);
    QVERIFY(finished.wait(5000));
    QVERIFY2(ticks >= 5, qPrintable(QString::number(ticks)));
    QVERIFY(clock.elapsed() < 4000);
    QVERIFY(w.bannerShown());
    QCOMPARE(w.statusButton()->toolTip(), kOfflineHint);
}

void UpdateCheckTest::checksInQuickSuccessionRunOneAtATime() {
    HttpTestServer server;
    server.answer("/chk.rar", CheckFile("1", "8"));
    server.answer("/qvd/set.rar", kNewSettings);
    server.answer("/gg.asp", Answer{.body = "<p>notice</p>", .contentType = "text/html"});
    OnlineWindow w(server.url());
    w.put(w.files().siteSettingsPath(), kOldSettings);
    QSignalSpy finished(w.online, &OnlineServices::checkFinished);

    // Every request is recorded with the number of checks finished before it.
    QList<QPair<QByteArray, qsizetype>> seen;
    int checkFiles = 0;
    server.onRequest = [&](const QByteArray& path) {
        seen.append({path, finished.count()});
        // The second check file says the features are off.
        if (path == "/chk.rar" && ++checkFiles == 2) server.answer("/chk.rar", CheckFile("0", "8"));
    };

    w.form->FormActivate();
    w.form->FormActivate();
    w.form->FormActivate();
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 2, 5000);
    QTest::qWait(100);
    QCOMPARE(finished.count(), 2);  // the third request was served by the second check

    // The second check asked for its file only after the first had finished.
    seen.removeIf([](const auto& request) { return request.first == "/gg.asp"; });
    QCOMPARE(seen, (QList<QPair<QByteArray, qsizetype>>{
                       {"/chk.rar", 0}, {"/qvd/set.rar", 0}, {"/chk.rar", 1}}));
    QCOMPARE(OnlineWindow::contentOf(w.files().siteSettingsPath()), kNewSettings);
    QVERIFY(w.bannerShown());  // as the last check left it
    QCOMPARE(w.statusButton()->toolTip(), kSwitchedOffHint);
}

void UpdateCheckTest::closingAbandonsARunningCheck() {
    HttpTestServer server;
    server.answer("/chk.rar", CheckFile("1", "8"));
    server.answer("/qvd/set.rar", Answer{.kind = Answer::Kind::Trickle});
    OnlineWindow w(server.url());
    w.put(w.files().siteSettingsPath(), kOldSettings);
    QSignalSpy finished(w.online, &OnlineServices::checkFinished);

    w.online->startCheck();
    QTRY_VERIFY_WITH_TIMEOUT(server.hits("/qvd/set.rar") == 1, 3000);
    w.form->close();
    QVERIFY(!w.online->checkRunning());
    w.online->startCheck();  // a late activation starts nothing
    QTest::qWait(200);
    QCOMPARE(finished.count(), 0);
    QCOMPARE(server.hits("/chk.rar"), 1);
    QCOMPARE(OnlineWindow::contentOf(w.files().siteSettingsPath()), kOldSettings);
    w.form.reset();  // and the window goes without waiting for anything
}

void UpdateCheckTest::laterFailureBringsTheBannerBack() {
    HttpTestServer server;
    server.answer("/chk.rar", CheckFile("1", "0"));
    server.answer("/gg.asp",
                  Answer{.body = "<p>Notice of the day</p>", .contentType = "text/html"});
    OnlineWindow w(server.url());

    QVERIFY(w.check());
    QVERIFY(!w.bannerShown());
    QVERIFY(w.statusButton()->isEnabled());
    QTRY_VERIFY(w.pane()->toPlainText().contains("Notice of the day"));

    server.answer("/chk.rar", Answer{.status = 404});
    QVERIFY(w.check());
    QVERIFY(w.bannerShown());
    QVERIFY(!w.statusButton()->isEnabled());
    QVERIFY(w.pane()->toPlainText().contains("Notice of the day"));  // kept underneath
}

QTEST_MAIN(UpdateCheckTest)
#include "update_check_test.moc"
