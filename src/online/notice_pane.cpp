#include "online/notice_pane.h"

#include <QBuffer>
#include <QDesktopServices>
#include <QImageReader>
#include <QStringDecoder>
#include <QTextBrowser>
#include <QTextDocument>

#include "app/guard.h"

namespace lumtar {
namespace {

QByteArray CharsetOf(const QByteArray& contentType) {
    const qsizetype at = contentType.toLower().indexOf("charset=");
    if (at < 0) return {};
    QByteArray name = contentType.mid(at + 8);
    const qsizetype end = name.indexOf(';');
    if (end >= 0) name.truncate(end);
    name = name.trimmed();
    if (name.startsWith('"') && name.endsWith('"') && name.size() >= 2)
        name = name.mid(1, name.size() - 2);
    return name;
}

bool IsWebLink(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https"));
}

}  // namespace

QString DecodeHtml(const QByteArray& body, const QByteArray& contentType) {
    const QByteArray named = CharsetOf(contentType);
    if (!named.isEmpty()) {
        QStringDecoder decoder(named.constData());
        if (decoder.isValid()) return decoder.decode(body);
    }
    QStringDecoder byPage = QStringDecoder::decoderForHtml(body);
    const bool utf8 = !byPage.isValid() || QByteArray(byPage.name()).toLower() == "utf-8";
    if (!utf8) return byPage.decode(body);
    QStringDecoder strict(QStringDecoder::Utf8);
    const QString text = strict.decode(body);
    if (!strict.hasError()) return text;
    QStringDecoder gbk("GBK");
    return gbk.isValid() ? gbk.decode(body) : QString::fromUtf8(body);
}

NoticePane::NoticePane(QNetworkAccessManager& network, QTextBrowser* view, QObject* parent)
    : QObject(parent), network_(network), view_(view), document_(new QTextDocument(this)) {
    // Our own document, whose parent is this object, so that its resources are
    // asked of loadResource() here rather than of the browser's file loader.
    document_->setDefaultFont(view_->font());
    document_->setDocumentMargin(0);  // the page fills the strip edge to edge
    view_->setDocument(document_);
    view_->setOpenLinks(false);
    view_->setOpenExternalLinks(false);
    connect(view_, &QTextBrowser::anchorClicked, this,
            [this](const QUrl& link) { Guarded(view_->window(), [&] { onAnchorClicked(link); }); });
}

void NoticePane::navigate(const QUrl& url) {
    stop();
    current_ = url;
    load_ = new BoundedDownload(network_, url, limits_, this);
    connect(load_, &BoundedDownload::succeeded, this, [this](const QByteArray& body) {
        const QByteArray type = load_->contentType();
        load_->deleteLater();
        show(body, type);
    });
    connect(load_, &BoundedDownload::failed, this, [this] {
        load_->deleteLater();
        showErrorPage();
    });
}

void NoticePane::stop() {
    for (BoundedDownload* image : findChildren<BoundedDownload*>()) {
        if (image == load_) continue;
        image->cancel();
        image->deleteLater();
    }
    if (load_) {
        load_->cancel();
        load_->deleteLater();
        load_ = nullptr;
    }
}

void NoticePane::show(const QByteArray& body, const QByteArray& contentType) {
    if (!view_) return;
    // The page is the maker's, but it arrives over plain HTTP: it is only
    // drawn, never given a way to load anything or to run.
    imagesRequested_ = 0;
    document_->setBaseUrl(current_);
    document_->setHtml(DecodeHtml(body, contentType));
    emit documentComplete();
}

void NoticePane::showErrorPage() {
    if (!view_) return;
    document_->setHtml(QStringLiteral(
        "<table width=\"100%\" height=\"100%\"><tr><td align=\"center\" valign=\"middle\">"
        "<span style=\"color:#808080\">公告页面暂时无法显示</span></td></tr></table>"));
    emit navigateError();
}

QVariant NoticePane::loadResource(int type, const QUrl& name) {
    const QUrl address = current_.resolved(name);
    if (type == QTextDocument::ImageResource && IsWebLink(address) &&
        imagesRequested_ < kMaxImages) {
        ++imagesRequested_;
        fetchImage(name, address);
    }
    // An empty answer for now; a fetched image replaces it and the page is
    // laid out again.
    if (type == QTextDocument::ImageResource) return QImage();
    return QString();
}

void NoticePane::fetchImage(const QUrl& name, const QUrl& address) {
    auto* image = new BoundedDownload(network_, address, limits_, this);
    const QUrl page = current_;
    connect(image, &BoundedDownload::succeeded, this,
            [this, image, name, page](const QByteArray& bytes) {
                image->deleteLater();
                if (page != current_) return;
                QBuffer buffer;
                buffer.setData(bytes);
                QImageReader reader(&buffer);
                // A small file can still unpack to a huge picture; a notice strip
                // needs nothing near this size.
                const QSize size = reader.size();
                if (!size.isValid() || size.width() > 4096 || size.height() > 4096) return;
                const QImage picture = reader.read();
                if (picture.isNull()) return;
                document_->addResource(QTextDocument::ImageResource, name, picture);
                document_->markContentsDirty(0, document_->characterCount());
            });
    connect(image, &BoundedDownload::failed, image, &QObject::deleteLater);
}

void NoticePane::onAnchorClicked(const QUrl& link) {
    const QUrl target = current_.resolved(link);
    // Only web addresses leave the pane; a page cannot make us open a local
    // file or another program's scheme.
    if (IsWebLink(target)) QDesktopServices::openUrl(target);
}

}  // namespace lumtar
