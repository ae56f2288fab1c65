// The top strip's notice pane and the bottom strip's rotating link: what they
// show, where their clicks lead, and the notice page of the maker's own site.

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStringEncoder>
#include <QTest>
#include <QTimer>

#include "app/widgets.h"
#include "http_test_server.h"
#include "online/notice_pane.h"
#include "online_fixture.h"

using namespace lumtar;
using namespace lumtar::test;

namespace {

const QString kHome = QStringLiteral("http://127.0.0.1:9");

QByteArray Gbk(const QString& text) {
    return QStringEncoder("GBK").encode(text);
}

QByteArray Png(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkBlue);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return buffer.data();
}

QByteArray ServerFile(const QString& relative) {
    QFile file(QStringLiteral(LUMTAR_SERVER_DIR "/") + relative);
    if (!file.open(QIODevice::ReadOnly)) qFatal("missing %s", qPrintable(file.fileName()));
    return file.readAll();
}

// What the link shows after a tick: caption, hint, target.
struct Shown {
    QString name, about, target;
    bool operator==(const Shown&) const = default;
};

}  // namespace

namespace QTest {
template <>
char* toString(const Shown& s) {
    return qstrdup(qPrintable(s.name + " | " + s.about + " | " + s.target));
}
}  // namespace QTest

class NoticeLinkTest : public QObject {
    Q_OBJECT
private slots:
    void linkRotatesThroughTheSections();
    void totalBelowOneShowsTheFirstSection_data();
    void totalBelowOneShowsTheFirstSection();
    void loweredTotalShowsThatSectionThenWraps();
    void withoutSettingsTheDefaultsShow();
    void beforeTheFirstTickLinkAndBannerOpenTheHomePage();
    void hoverHoldsTheLinkStill();
    void serverTextsAreShownAsPlainText();

    void noticePageLoadsWithoutScrollBars();
    void failedNoticePageShowsOurErrorPage();
    void noticeLinksOpenInTheBrowser();
    void noticeImagesComeFromTheWebOnly();
    void noticeDecoding_data();
    void noticeDecoding();
    void makersSiteAgainstTheProgram();

private:
    static Shown tick(OnlineWindow& w) {
        w.online->Timer1Timer();
        return {w.find<QLabel>("Label32")->text(), w.find<QLabel>("Label32")->toolTip(),
                w.find<QLabel>("Labelhttp")->text()};
    }
};

// ---- rotating link ----

void NoticeLinkTest::linkRotatesThroughTheSections() {
    OnlineWindow w(kHome);
    WriteGbkFile(w.files().siteSettingsPath(),
                 "[ad]\nnum=3\ntotal=2\n[1]\nhttp=www.a.cn/x\nname=甲网站\nabout=第一个\n"
                 "[2]\nhttp=b.cn\nname=乙网站\nabout=\n");
    UrlCatcher catcher;
    auto* label = w.find<ClickLabel>("Label32");

    const Shown first{"甲网站", "第一个", "http://www.a.cn/x"};
    const Shown second{"乙网站", "", "http://b.cn"};
    QCOMPARE(tick(w), first);
    emit label->clicked();
    QCOMPARE(tick(w), second);
    emit label->clicked();
    // The real timer's signal runs the same handler.
    QVERIFY(QMetaObject::invokeMethod(w.find<QTimer>("Timer1"), "timeout"));
    QCOMPARE(label->text(), first.name);
    QCOMPARE(tick(w), second);
    QCOMPARE(catcher.opened, (QList<QUrl>{QUrl(first.target), QUrl(second.target)}));
}

void NoticeLinkTest::totalBelowOneShowsTheFirstSection_data() {
    QTest::addColumn<QString>("total");
    QTest::newRow("zero") << "0";
    QTest::newRow("negative") << "-2";
}

void NoticeLinkTest::totalBelowOneShowsTheFirstSection() {
    QFETCH(QString, total);
    OnlineWindow w(kHome);
    WriteGbkFile(w.files().siteSettingsPath(),
                 "[ad]\ntotal=" + total + "\n[1]\nhttp=a.cn\nname=甲\n[2]\nhttp=b.cn\nname=乙\n");
    for (int i = 0; i < 3; ++i) QCOMPARE(tick(w).name, QStringLiteral("甲"));
    QCOMPARE(w.online->linkCounter(), 1);
}

void NoticeLinkTest::loweredTotalShowsThatSectionThenWraps() {
    OnlineWindow w(kHome);
    const QString path = w.files().siteSettingsPath();
    WriteGbkFile(path,
                 "[ad]\ntotal=3\n[1]\nhttp=a.cn\nname=甲\n[2]\nhttp=b.cn\nname=乙\n"
                 "[3]\nhttp=c.cn\nname=丙\nabout=三\n");
    QCOMPARE(tick(w).name, QStringLiteral("甲"));
    QCOMPARE(tick(w).name, QStringLiteral("乙"));
    QCOMPARE(w.online->linkCounter(), 3);

    // A refreshed file with fewer links: section 3 is gone, so its defaults show once.
    WriteGbkFile(path, "[ad]\ntotal=2\n[1]\nhttp=a.cn\nname=甲\n[2]\nhttp=b.cn\nname=乙\n");
    QCOMPARE(tick(w), (Shown{"Orvane法律软件", "", "http://127.0.0.1:9"}));
    QCOMPARE(w.online->linkCounter(), 1);
    QCOMPARE(tick(w).name, QStringLiteral("甲"));
}

void NoticeLinkTest::withoutSettingsTheDefaultsShow() {
    OnlineWindow w(QStringLiteral("http://www.orvane.cn/"));
    for (int i = 0; i < 2; ++i)
        QCOMPARE(tick(w), (Shown{"Orvane法律软件", "", "http://www.orvane.cn"}));
}

void NoticeLinkTest::beforeTheFirstTickLinkAndBannerOpenTheHomePage() {
    OnlineWindow w(kHome);
    UrlCatcher catcher;
    QCOMPARE(w.find<QLabel>("Label32")->text(), QStringLiteral("Orvane原创法律软件网站"));
    QCOMPARE(w.find<QLabel>("Labelhttp")->text(), kHome);
    emit w.find<ClickLabel>("Label32")->clicked();
    emit w.find<ClickLabel>("Image3")->clicked();
    QCOMPARE(catcher.opened, (QList<QUrl>{QUrl(kHome), QUrl(kHome)}));
}

void NoticeLinkTest::hoverHoldsTheLinkStill() {
    OnlineWindow w(kHome);
    auto* timer = w.find<QTimer>("Timer1");
    auto* label = w.find<ClickLabel>("Label32");
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 5000);
    tick(w);
    const int counter = w.online->linkCounter();

    timer->setTimerType(Qt::PreciseTimer);  // exact remaining times to compare
    timer->start();
    QTest::qWait(800);  // part of the interval has run
    const int remainingBefore = timer->remainingTime();
    emit label->mouseEntered();
    QVERIFY(!timer->isActive());
    emit label->mouseLeft();
    QVERIFY(timer->isActive());
    // A full interval before the next change, not what was left of the old one.
    QVERIFY2(
        timer->remainingTime() > remainingBefore + 500,
        qPrintable(QStringLiteral("%1 then %2").arg(remainingBefore).arg(timer->remainingTime())));
    QCOMPARE(w.online->linkCounter(), counter);  // a pause skips nothing
}

void NoticeLinkTest::serverTextsAreShownAsPlainText() {
    OnlineWindow w(kHome);
    WriteGbkFile(w.files().siteSettingsPath(),
                 "[1]\nhttp=https://secure.cn/\nname=<b>粗体</b>\nabout=<img src=x>\n");
    const Shown shown = tick(w);
    QCOMPARE(shown.target, QStringLiteral("https://secure.cn/"));
    QCOMPARE(shown.name, QStringLiteral("<b>粗体</b>"));
    QCOMPARE(w.find<QLabel>("Label32")->textFormat(), Qt::PlainText);
    QVERIFY(shown.about.contains("&lt;img"));
}

// ---- notice pane ----

void NoticeLinkTest::noticePageLoadsWithoutScrollBars() {
    HttpTestServer server;
    server.answer("/chk.rar", "[a1]\nchk=1\n[ad]\nnum=0\n");
    QByteArray longPage = "<html><body>";
    for (int i = 0; i < 200; ++i)
        longPage += "<p>Line " + QByteArray::number(i) + " of the notice</p>";
    server.answer("/gg.asp",
                  Answer{.body = longPage + "</body></html>", .contentType = "text/html"});
    OnlineWindow w(server.url());
    QSignalSpy notice(w.online, &OnlineServices::noticeFinished);

    QVERIFY(w.check());
    QVERIFY(notice.wait(3000));
    QCOMPARE(notice.first().first().toBool(), true);
    QVERIFY(w.pane()->toPlainText().contains("Line 199 of the notice"));
    QCOMPARE(w.pane()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(w.pane()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);

    // Every check that finds the features on loads the page anew.
    QVERIFY(w.check());
    QVERIFY(notice.wait(3000));
    QCOMPARE(server.hits("/gg.asp"), 2);
}

void NoticeLinkTest::failedNoticePageShowsOurErrorPage() {
    HttpTestServer server;
    server.answer("/chk.rar", "[a1]\nchk=1\n[ad]\nnum=0\n");  // no /gg.asp: 404
    OnlineWindow w(server.url());
    QSignalSpy notice(w.online, &OnlineServices::noticeFinished);

    QVERIFY(w.check());
    QVERIFY(notice.wait(3000));
    QCOMPARE(notice.first().first().toBool(), false);
    QVERIFY(!w.bannerShown());
    QCOMPARE(w.pane()->toPlainText().trimmed(), QStringLiteral("公告页面暂时无法显示"));
    QVERIFY(w.boxes.boxes.empty());
}

void NoticeLinkTest::noticeLinksOpenInTheBrowser() {
    HttpTestServer server;
    server.answer("/chk.rar", "[a1]\nchk=1\n[ad]\nnum=0\n");
    server.answer("/gg.asp",
                  Answer{.body = "<a href=\"/news.html\">news</a>", .contentType = "text/html"});
    OnlineWindow w(server.url());
    QSignalSpy notice(w.online, &OnlineServices::noticeFinished);
    QVERIFY(w.check());
    QVERIFY(notice.wait(3000));
    UrlCatcher catcher;

    emit w.pane()->anchorClicked(QUrl("/news.html"));
    emit w.pane()->anchorClicked(QUrl("https://elsewhere.cn/a"));
    emit w.pane()->anchorClicked(QUrl("file:///etc/passwd"));
    emit w.pane()->anchorClicked(QUrl("mailto:x@y.cn"));
    QCOMPARE(catcher.opened,
             (QList<QUrl>{QUrl(server.url() + "/news.html"), QUrl("https://elsewhere.cn/a")}));
    QCOMPARE(w.pane()->toPlainText(), QStringLiteral("news"));  // the pane itself stays
}

void NoticeLinkTest::noticeImagesComeFromTheWebOnly() {
    HttpTestServer server;
    OnlineWindow w(server.url());
    const QString localPicture = w.dir.filePath("local.png");
    w.put(localPicture, Png({4, 4}));
    server.answer("/chk.rar", "[a1]\nchk=1\n[ad]\nnum=0\n");
    server.answer("/logo.png", Answer{.body = Png({30, 20}), .contentType = "image/png"});
    server.answer("/huge.png", Answer{.body = Png({6000, 10}), .contentType = "image/png"});
    server.answer("/gg.asp",
                  Answer{.body = "<img src=\"logo.png\"><img src=\"/huge.png\"><img src=\"" +
                                 QUrl::fromLocalFile(localPicture).toEncoded() + "\">",
                         .contentType = "text/html"});
    QSignalSpy notice(w.online, &OnlineServices::noticeFinished);
    QVERIFY(w.check());
    QVERIFY(notice.wait(3000));

    QTextDocument* page = w.pane()->document();
    QTRY_COMPARE(
        page->resource(QTextDocument::ImageResource, QUrl("logo.png")).value<QImage>().size(),
        QSize(30, 20));
    QTest::qWait(100);
    QVERIFY(
        page->resource(QTextDocument::ImageResource, QUrl("/huge.png")).value<QImage>().isNull());
    QVERIFY(page->resource(QTextDocument::ImageResource, QUrl::fromLocalFile(localPicture))
                .value<QImage>()
                .isNull());
}

void NoticeLinkTest::noticeDecoding_data() {
    QTest::addColumn<QByteArray>("contentType");
    QTest::addColumn<QByteArray>("body");
    const QString text = QStringLiteral("法院公告");
    QTest::newRow("charset of the server") << QByteArray("text/html; charset=GBK") << Gbk(text);
    QTest::newRow("charset of the page")
        << QByteArray("application/octet-stream")
        << "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">" + Gbk(text);
    QTest::newRow("utf-8 naming nothing") << QByteArray() << text.toUtf8();
    QTest::newRow("gbk naming nothing") << QByteArray() << Gbk(text);
    QTest::newRow("unknown charset")
        << QByteArray("text/html; charset=x-nonsense") << text.toUtf8();
}

void NoticeLinkTest::noticeDecoding() {
    QFETCH(QByteArray, contentType);
    QFETCH(QByteArray, body);
    QVERIFY(DecodeHtml(body, contentType).contains(QStringLiteral("法院公告")));
}

// The maker's site as shipped in server/, against the program: the notice
// page shows, and the site settings with the holiday lists arrive.
void NoticeLinkTest::makersSiteAgainstTheProgram() {
    HttpTestServer server;
    server.answer("/chk.rar", ServerFile("chk.rar"));
    server.answer("/qvd/set.rar", ServerFile("qvd/set.rar"));
    server.answer("/gg.asp",
                  Answer{.body = ServerFile("gg.asp"), .contentType = "application/octet-stream"});
    OnlineWindow w(server.url());
    QSignalSpy notice(w.online, &OnlineServices::noticeFinished);
    QSignalSpy finished(w.online, &OnlineServices::checkFinished);

    w.form->show();  // the first activation starts the check
    QVERIFY(QTest::qWaitForWindowExposed(w.form.get()));
    QVERIFY(notice.count() > 0 || notice.wait(3000));
    QVERIFY(finished.count() > 0 || finished.wait(3000));
    QVERIFY(w.pane()->toPlainText().contains(QStringLiteral("法律软件公告")));

    const IniFile& site = w.form->shell().siteSettings;
    QCOMPARE(site.readString("holiday", "1", {}), QStringLiteral("20070101"));
    QCOMPARE(site.readString("notholiday", "1", {}), QStringLiteral("20061230"));
    const int days = site.readInteger("holiday", "num", 0);
    QCOMPARE(site.readString("holiday", QString::number(days), {}), QStringLiteral("20261007"));
    QCOMPARE(tick(w).name, QStringLiteral("Orvane法律软件"));
    QCOMPARE(tick(w).target, QStringLiteral("http://www.orvane.cn/qvd/"));

    QWidget* panel = w.find<QWidget>("Panel11");
    QVERIFY(!panel->isVisible());
    SaveScreenshot(w.form.get(), QStringLiteral("notice-pane"));
}

QTEST_MAIN(NoticeLinkTest)
#include "notice_link_test.moc"
