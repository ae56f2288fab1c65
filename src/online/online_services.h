#pragma once
// The maker's online presence: the update check started at every activation,
// the notice pane of the top strip and the rotating link of the bottom strip.
//
// Everything runs on the GUI thread without blocking it: the network access
// is asynchronous, and checks run one at a time. A check asked for while one
// runs waits for it; several such requests are served by one further check,
// which leaves the window as the last of them would have left it.

#include <QObject>
#include <QPointer>

#include "app/shell.h"
#include "online/bounded_download.h"

class QAbstractButton;
class QLabel;
class QNetworkAccessManager;
class QTextBrowser;
class QTimer;

namespace lumtar {

class ClickLabel;
class NoticePane;
class UpdateCheck;

// The main-window controls the online services drive.
struct OnlineControls {
    QWidget* Panel11;               // banner panel over the notice pane
    QTextBrowser* WebBrowser1;      // notice pane
    QAbstractButton* SpeedButton9;  // hidden status button on the interest page
    ClickLabel* Image3;             // banner picture
    ClickLabel* Label32;            // rotating link
    QLabel* Labelhttp;              // the link's target
    QTimer* Timer1;                 // 5000 ms rotation
};

class OnlineServices : public QObject {
    Q_OBJECT
public:
    OnlineServices(Shell& shell, const OnlineControls& controls, QObject* parent = nullptr);
    ~OnlineServices() override;

    // Starts one background update check; never blocks.
    void startCheck();
    // The window is closing: checks still running are abandoned, and nothing
    // they fetched is written any more.
    void shutdown();

    // Transfer limits of every fetch; tests shorten the timeouts.
    void setLimits(const DownloadLimits& limits);
    bool checkRunning() const { return check_ != nullptr; }
    int linkCounter() const { return linkCounter_; }
    // The maker's home page: the banner's target and the link's first one.
    QString homePage() const;

    // Event handlers of the top and bottom strips.
    void Timer1Timer();
    void Label32MouseEnter();
    void Label32MouseLeave();
    void Label32Click();
    void Image3Click();
    void WebBrowser1DocumentComplete();
    void WebBrowser1NavigateError();

signals:
    void checkFinished();
    void noticeFinished(bool loaded);

private:
    void runCheck();
    void onCheckDone();
    void showBanner(const QString& statusHint);
    void showNotice();
    void reopenSiteSettings();
    QAbstractButton* statusButton();
    QString siteHost() const;

    Shell& shell_;
    OnlineControls controls_;
    QPointer<QAbstractButton> statusButton_;
    QNetworkAccessManager* network_;
    NoticePane* notice_;
    DownloadLimits limits_;
    UpdateCheck* check_ = nullptr;
    bool checkPending_ = false;
    bool closed_ = false;
    int linkCounter_ = 1;
};

}  // namespace lumtar
