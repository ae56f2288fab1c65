#pragma once
// One HTTP GET with the limits a background fetch needs: a pause with no data
// ends it, so does an overall deadline (a server that trickles a byte at a
// time), and so does a body above the size limit. Only a complete 200 answer
// counts as success; the body is handed over whole, never in part.

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

namespace lumtar {

struct DownloadLimits {
    int idleTimeoutMs = 15000;   // no byte for this long ends the transfer
    int totalTimeoutMs = 60000;  // the whole transfer, however it trickles
    qint64 maxBytes = 1 << 20;   // our files are a few kilobytes; 1 MiB is plenty
    int maxRedirects = 5;
};

class BoundedDownload : public QObject {
    Q_OBJECT
public:
    BoundedDownload(QNetworkAccessManager& network, const QUrl& url, const DownloadLimits& limits,
                    QObject* parent = nullptr);
    ~BoundedDownload() override;

    // Ends the transfer; neither signal follows.
    void cancel();

    QUrl url() const { return url_; }
    // Content-Type of the answer, once succeeded.
    QByteArray contentType() const { return contentType_; }

signals:
    void succeeded(const QByteArray& body);
    void failed();

private:
    void onReadyRead();
    void onMetaData();
    void onFinished();
    void giveUp();

    QUrl url_;
    DownloadLimits limits_;
    QPointer<QNetworkReply> reply_;
    QTimer deadline_;
    QByteArray body_;
    QByteArray contentType_;
    bool tooLarge_ = false;
    bool done_ = false;
};

}  // namespace lumtar
