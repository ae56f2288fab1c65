#include "online/bounded_download.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace lumtar {

BoundedDownload::BoundedDownload(QNetworkAccessManager& network, const QUrl& url,
                                 const DownloadLimits& limits, QObject* parent)
    : QObject(parent), url_(url), limits_(limits) {
    QNetworkRequest request(url);
    request.setTransferTimeout(limits.idleTimeoutMs);
    request.setMaximumRedirectsAllowed(limits.maxRedirects);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    request.setHeader(QNetworkRequest::UserAgentHeader, QByteArrayLiteral("Lumtar"));

    reply_ = network.get(request);
    connect(reply_, &QNetworkReply::metaDataChanged, this, &BoundedDownload::onMetaData);
    connect(reply_, &QIODevice::readyRead, this, &BoundedDownload::onReadyRead);
    connect(reply_, &QNetworkReply::finished, this, &BoundedDownload::onFinished);

    deadline_.setSingleShot(true);
    connect(&deadline_, &QTimer::timeout, this, &BoundedDownload::giveUp);
    deadline_.start(limits.totalTimeoutMs);
}

BoundedDownload::~BoundedDownload() {
    cancel();
}

void BoundedDownload::cancel() {
    done_ = true;
    deadline_.stop();
    if (reply_) {
        reply_->disconnect(this);
        reply_->abort();
        reply_->deleteLater();
        reply_ = nullptr;
    }
}

void BoundedDownload::onMetaData() {
    // A declared length above the limit is refused before any body arrives.
    const QVariant length = reply_->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && length.toLongLong() > limits_.maxBytes) {
        tooLarge_ = true;
        reply_->abort();
    }
}

void BoundedDownload::onReadyRead() {
    if (tooLarge_) return;
    body_ += reply_->read(limits_.maxBytes + 1 - body_.size());
    if (body_.size() > limits_.maxBytes) {
        tooLarge_ = true;
        body_.clear();
        reply_->abort();
    }
}

void BoundedDownload::giveUp() {
    if (reply_) reply_->abort();  // finishes with OperationCanceledError
}

void BoundedDownload::onFinished() {
    if (done_) return;
    done_ = true;
    deadline_.stop();
    QNetworkReply* reply = reply_;
    reply_ = nullptr;
    reply->deleteLater();

    bool ok = !tooLarge_ && reply->error() == QNetworkReply::NoError &&
              reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() == 200;
    if (ok) {
        body_ += reply->read(limits_.maxBytes + 1 - body_.size());
        ok = body_.size() <= limits_.maxBytes;
    }
    if (ok) {
        contentType_ = reply->header(QNetworkRequest::ContentTypeHeader).toByteArray();
        emit succeeded(body_);
    } else {
        body_.clear();
        emit failed();
    }
}

}  // namespace lumtar
