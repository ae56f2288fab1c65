#include "online/update_check.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include "online/online_rules.h"

namespace lumtar {

bool ReplaceFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    // Without commit() the temporary file is dropped and the target stays as it was.
    return file.write(bytes) == bytes.size() && file.commit();
}

QUrl SiteAddress(const QString& siteUrl, const QString& path) {
    QString base = siteUrl;
    while (base.endsWith(QLatin1Char('/'))) base.chop(1);
    return QUrl(base + path);
}

UpdateCheck::UpdateCheck(QNetworkAccessManager& network, QString siteUrl, SettingsFiles files,
                         DownloadLimits limits, QObject* parent)
    : QObject(parent),
      network_(network),
      siteUrl_(std::move(siteUrl)),
      files_(std::move(files)),
      limits_(limits) {}

BoundedDownload* UpdateCheck::fetch(const QString& path) {
    download_ = new BoundedDownload(network_, SiteAddress(siteUrl_, path), limits_, this);
    return download_;
}

void UpdateCheck::start() {
    BoundedDownload* download = fetch(QStringLiteral("/chk.rar"));
    connect(download, &BoundedDownload::succeeded, this, &UpdateCheck::onCheckFile);
    connect(download, &BoundedDownload::failed, this, [this] {
        emit unreachable();
        finish();
    });
}

void UpdateCheck::onCheckFile(const QByteArray& body) {
    download_->deleteLater();
    // A check file we cannot store counts as one we could not fetch.
    if (!ReplaceFile(files_.checkFilePath(), body)) {
        emit unreachable();
        finish();
        return;
    }
    const IniFile checkFile = files_.checkFile();
    const bool on = checkFile.readBool(QStringLiteral("a1"), QStringLiteral("chk"), false);
    const int serverVersion = checkFile.readInteger(QStringLiteral("ad"), QStringLiteral("num"), 1);
    if (!on) {
        emit switchedOff();
        finish();
        return;
    }
    emit switchedOn();

    // Any difference counts, a lower server number too: the server's file wins.
    const int localVersion =
        files_.siteSettings().readInteger(QStringLiteral("ad"), QStringLiteral("num"), 0);
    if (localVersion == serverVersion) {
        finish();
        return;
    }
    BoundedDownload* download = fetch(QStringLiteral("/qvd/set.rar"));
    connect(download, &BoundedDownload::succeeded, this, &UpdateCheck::onSettingsFile);
    connect(download, &BoundedDownload::failed, this, [this] {
        emit settingsFetched(false);
        finish();
    });
}

void UpdateCheck::onSettingsFile(const QByteArray& body) {
    download_->deleteLater();
    const bool usable = LooksLikeSettingsText(
        std::string_view(body.constData(), static_cast<std::size_t>(body.size())));
    const bool replaced = usable && ReplaceFile(files_.siteSettingsPath(), body);
    emit settingsFetched(replaced);
    finish();
}

void UpdateCheck::finish() {
    emit finished();
}

}  // namespace lumtar
