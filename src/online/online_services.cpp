#include "online/online_services.h"

#include <QAbstractButton>
#include <QDesktopServices>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QTextBrowser>
#include <QTimer>

#include "app/guard.h"
#include "app/widgets.h"
#include "online/notice_pane.h"
#include "online/online_rules.h"
#include "online/update_check.h"

namespace lumtar {
namespace {

const QString kOfflineHint = QStringLiteral("当前电脑可能未连接到互联网，不能使用更新功能");
const QString kSwitchedOffHint = QStringLiteral("当前电脑未能正常访问Orvane法律网，不能更新");
const QString kDefaultLinkName = QStringLiteral("Orvane法律软件");

// A tooltip that Qt would take for rich text is shown as the plain text it is.
QString PlainToolTip(const QString& text) {
    return Qt::mightBeRichText(text)
               ? QStringLiteral("<qt>") + text.toHtmlEscaped() + QStringLiteral("</qt>")
               : text;
}

}  // namespace

OnlineServices::OnlineServices(Shell& shell, const OnlineControls& controls, QObject* parent)
    : QObject(parent),
      shell_(shell),
      controls_(controls),
      statusButton_(controls.SpeedButton9),
      network_(new QNetworkAccessManager(this)),
      notice_(new NoticePane(*network_, controls.WebBrowser1, this)) {
    setObjectName(QStringLiteral("OnlineServices"));
    notice_->setLimits(limits_);
    QWidget* owner = shell_.mainWindow;

    connect(notice_, &NoticePane::documentComplete, this,
            [this, owner] { Guarded(owner, [this] { WebBrowser1DocumentComplete(); }); });
    connect(notice_, &NoticePane::navigateError, this,
            [this, owner] { Guarded(owner, [this] { WebBrowser1NavigateError(); }); });
    connect(controls_.Image3, &ClickLabel::clicked, this,
            [this, owner] { Guarded(owner, [this] { Image3Click(); }); });
    connect(controls_.Label32, &ClickLabel::clicked, this,
            [this, owner] { Guarded(owner, [this] { Label32Click(); }); });
    connect(controls_.Label32, &ClickLabel::mouseEntered, this,
            [this, owner] { Guarded(owner, [this] { Label32MouseEnter(); }); });
    connect(controls_.Label32, &ClickLabel::mouseLeft, this,
            [this, owner] { Guarded(owner, [this] { Label32MouseLeave(); }); });
    connect(controls_.Timer1, &QTimer::timeout, this,
            [this, owner] { Guarded(owner, [this] { Timer1Timer(); }); });

    // Texts from the site settings file are shown as they are, never as markup.
    controls_.Label32->setTextFormat(Qt::PlainText);
    controls_.Labelhttp->setTextFormat(Qt::PlainText);
    controls_.Labelhttp->setText(homePage());
    controls_.Timer1->start();
}

OnlineServices::~OnlineServices() {
    // The window's controls are gone by now; only the check is ended.
    closed_ = true;
    if (check_) check_->disconnect(this);
}

void OnlineServices::setLimits(const DownloadLimits& limits) {
    limits_ = limits;
    notice_->setLimits(limits);
}

QString OnlineServices::siteHost() const {
    // The server address without its scheme: "www.orvane.cn", or host and port.
    QString host = shell_.siteUrl;
    const qsizetype scheme = host.indexOf(QStringLiteral("://"));
    if (scheme >= 0) host.remove(0, scheme + 3);
    while (host.endsWith(QLatin1Char('/'))) host.chop(1);
    return host;
}

QString OnlineServices::homePage() const {
    return QString::fromStdString(LinkTarget(siteHost().toStdString()));
}

// ---- update check ----

void OnlineServices::startCheck() {
    if (closed_) return;
    if (check_) {
        checkPending_ = true;
        return;
    }
    runCheck();
}

void OnlineServices::runCheck() {
    check_ = new UpdateCheck(*network_, shell_.siteUrl, shell_.files, limits_, this);
    connect(check_, &UpdateCheck::unreachable, this, [this] { showBanner(kOfflineHint); });
    connect(check_, &UpdateCheck::switchedOff, this, [this] { showBanner(kSwitchedOffHint); });
    connect(check_, &UpdateCheck::switchedOn, this, &OnlineServices::showNotice);
    // Reopened whether or not the file changed, so every reader uses the file
    // now on disk.
    connect(check_, &UpdateCheck::settingsFetched, this, &OnlineServices::reopenSiteSettings);
    connect(check_, &UpdateCheck::finished, this, &OnlineServices::onCheckDone);
    check_->start();
}

void OnlineServices::onCheckDone() {
    check_->deleteLater();
    check_ = nullptr;
    emit checkFinished();
    if (checkPending_ && !closed_) {
        checkPending_ = false;
        runCheck();
    }
}

void OnlineServices::shutdown() {
    closed_ = true;
    checkPending_ = false;
    if (check_) {
        check_->disconnect(this);
        delete check_;  // aborts its transfer; no file is written after this
        check_ = nullptr;
    }
    notice_->stop();
    controls_.Timer1->stop();
}

QAbstractButton* OnlineServices::statusButton() {
    // The interest page creates the button; it may come after us.
    if (!statusButton_ && shell_.mainWindow)
        statusButton_ =
            shell_.mainWindow->findChild<QAbstractButton*>(QStringLiteral("SpeedButton9"));
    return statusButton_;
}

void OnlineServices::showBanner(const QString& statusHint) {
    controls_.Panel11->setVisible(true);
    if (QAbstractButton* button = statusButton()) {
        button->setEnabled(false);
        button->setToolTip(statusHint);
    }
}

void OnlineServices::showNotice() {
    controls_.Panel11->setVisible(false);
    notice_->navigate(SiteAddress(shell_.siteUrl, QStringLiteral("/gg.asp")));
    if (QAbstractButton* button = statusButton()) button->setEnabled(true);
}

void OnlineServices::reopenSiteSettings() {
    shell_.siteSettings = shell_.files.siteSettings();
}

// ---- notice pane ----

void OnlineServices::WebBrowser1DocumentComplete() {
    // However long the page, the strip shows no scroll bars.
    controls_.WebBrowser1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    controls_.WebBrowser1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    emit noticeFinished(true);
}

void OnlineServices::WebBrowser1NavigateError() {
    // The pane already shows its own error page.
    emit noticeFinished(false);
}

void OnlineServices::Image3Click() {
    QDesktopServices::openUrl(QUrl(homePage()));
}

// ---- rotating link ----

void OnlineServices::Timer1Timer() {
    const IniFile& site = shell_.siteSettings;
    const int total = site.readInteger(QStringLiteral("ad"), QStringLiteral("total"), 1);
    const QString section = QString::number(linkCounter_);
    // The three values come from one section, so text, hint and target match.
    const QString http = site.readString(section, QStringLiteral("http"), siteHost());
    controls_.Labelhttp->setText(QString::fromStdString(LinkTarget(http.toStdString())));
    controls_.Label32->setText(site.readString(section, QStringLiteral("name"), kDefaultLinkName));
    controls_.Label32->setToolTip(
        PlainToolTip(site.readString(section, QStringLiteral("about"), {})));
    linkCounter_ = NextLinkNumber(linkCounter_, total);
}

void OnlineServices::Label32MouseEnter() {
    controls_.Timer1->stop();
}

void OnlineServices::Label32MouseLeave() {
    if (closed_) return;
    // start() restarts the interval: the next change comes a full five seconds later.
    controls_.Timer1->start();
}

void OnlineServices::Label32Click() {
    QDesktopServices::openUrl(QUrl(controls_.Labelhttp->text(), QUrl::TolerantMode));
}

}  // namespace lumtar
