#pragma once
// One run of the update check. It fetches the check file from the maker's
// server, reads whether the online features are on and which version of the
// site settings file the server holds, and fetches that file when the local
// version differs. It touches no control: each outcome is a signal, and the
// owner applies it to the window.
//
// Downloaded files replace their targets through a temporary file and a
// rename, so a reader sees the old file or the new one, never half of one; a
// failed transfer leaves the old file as it was.

#include <QObject>
#include <QPointer>
#include <QString>

#include "app/settings_files.h"
#include "online/bounded_download.h"

class QNetworkAccessManager;

namespace lumtar {

class UpdateCheck : public QObject {
    Q_OBJECT
public:
    UpdateCheck(QNetworkAccessManager& network, QString siteUrl, SettingsFiles files,
                DownloadLimits limits, QObject* parent = nullptr);

    void start();

signals:
    void unreachable();                   // the check file could not be had
    void switchedOff();                   // the check file says the features are off
    void switchedOn();                    // the features are on: show the notice page
    void settingsFetched(bool replaced);  // after an attempt at the site settings file
    void finished();                      // always last, exactly once

private:
    void onCheckFile(const QByteArray& body);
    void onSettingsFile(const QByteArray& body);
    void finish();
    BoundedDownload* fetch(const QString& path);

    QNetworkAccessManager& network_;
    QString siteUrl_;
    SettingsFiles files_;
    DownloadLimits limits_;
    QPointer<BoundedDownload> download_;
};

// Writes bytes as the whole new content of path, atomically; false when the
// file system refuses.
bool ReplaceFile(const QString& path, const QByteArray& bytes);

// The maker's server address joined with one of its fixed paths.
QUrl SiteAddress(const QString& siteUrl, const QString& path);

}  // namespace lumtar
