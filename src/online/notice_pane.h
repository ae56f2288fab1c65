#pragma once
// The notice pane of the top strip: a light HTML view that shows the maker's
// notice page. The page is fetched through the same network access as the
// update check, with the same limits, and shown without scroll bars; its links
// open in the user's browser. A page that cannot be had is replaced by a short
// error page of our own.
//
// The page arrives over plain HTTP, so it is only drawn: it cannot run
// anything, and every resource it names goes through loadResource() below,
// which fetches web images with the same limits and refuses the rest (a
// page naming file:///dev/zero would otherwise be read from the local disk).

#include <QObject>
#include <QPointer>
#include <QUrl>

#include "online/bounded_download.h"

class QNetworkAccessManager;
class QTextBrowser;
class QTextDocument;

namespace lumtar {

class NoticePane : public QObject {
    Q_OBJECT
public:
    NoticePane(QNetworkAccessManager& network, QTextBrowser* view, QObject* parent = nullptr);

    void setLimits(const DownloadLimits& limits) { limits_ = limits; }
    // Loads url anew, dropping a load still under way.
    void navigate(const QUrl& url);
    void stop();

    QUrl currentUrl() const { return current_; }

    // Called by the pane's document for every image or style sheet it names.
    Q_INVOKABLE QVariant loadResource(int type, const QUrl& name);

signals:
    void documentComplete();
    void navigateError();

private:
    void show(const QByteArray& body, const QByteArray& contentType);
    void showErrorPage();
    void onAnchorClicked(const QUrl& link);
    void fetchImage(const QUrl& name, const QUrl& address);

    static constexpr int kMaxImages = 8;

    QNetworkAccessManager& network_;
    QPointer<QTextBrowser> view_;
    QTextDocument* document_;
    DownloadLimits limits_;
    QPointer<BoundedDownload> load_;
    QUrl current_;
    int imagesRequested_ = 0;
};

// Decodes an HTML page by the charset its server names, else by its own meta
// tag, else as UTF-8, falling back to GBK for old pages that name nothing.
QString DecodeHtml(const QByteArray& body, const QByteArray& contentType);

}  // namespace lumtar
