#pragma once
// A main window whose maker's server is a test server on 127.0.0.1, with
// short transfer limits, a catcher for the URLs the program opens, and a few
// readers of the window's online state.

#include <QAbstractButton>
#include <QDesktopServices>
#include <QFile>
#include <QSignalSpy>
#include <QTextBrowser>
#include <QUrl>

#include "online/online_services.h"
#include "support/test_support.h"

namespace lumtar::test {

// Receives every URL handed to the desktop while it lives.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    UrlCatcher() {
        QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "open");
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open");
    }
    ~UrlCatcher() override {
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    }
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

inline DownloadLimits QuickLimits() {
    DownloadLimits limits;
    limits.idleTimeoutMs = 1000;
    limits.totalTimeoutMs = 2500;
    return limits;
}

struct OnlineWindow {
    explicit OnlineWindow(const QString& siteUrl) {
        AppOptions options = TestOptions(dir);
        options.siteUrl = siteUrl;
        form = std::make_unique<TForm1>(options);
        online = form->findChild<OnlineServices*>();
        online->setLimits(QuickLimits());
    }

    // Runs one check to its end; false when it did not end in time.
    bool check() {
        QSignalSpy finished(online, &OnlineServices::checkFinished);
        online->startCheck();
        return finished.wait(5000);
    }

    template <class T>
    T* find(const char* name) const {
        return form->findChild<T*>(QString::fromLatin1(name));
    }
    bool bannerShown() const { return !find<QWidget>("Panel11")->isHidden(); }
    QAbstractButton* statusButton() const { return find<QAbstractButton>("SpeedButton9"); }
    QTextBrowser* pane() const { return find<QTextBrowser>("WebBrowser1"); }

    const SettingsFiles& files() const { return form->shell().files; }
    // The file's bytes, or "<missing>".
    static QByteArray contentOf(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    void put(const QString& path, const QByteArray& bytes) const {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(path));
        file.write(bytes);
    }

    QTemporaryDir dir;
    BoxRecorder boxes;
    std::unique_ptr<TForm1> form;
    OnlineServices* online = nullptr;
};

}  // namespace lumtar::test
