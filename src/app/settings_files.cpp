#include "app/settings_files.h"

#include <QDir>
#include <QStandardPaths>

namespace lumtar {

SettingsFiles SettingsFiles::standard() {
#ifdef Q_OS_WIN
    SettingsFiles files;
    files.site_ = QStringLiteral("c:\\set");
    files.baseFee_ = QStringLiteral("c:\\set2");
    files.check_ = QStringLiteral("c:\\chk1.ini");
    return files;
#else
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return inFolder(config + QStringLiteral("/lumtar"));
#endif
}

SettingsFiles SettingsFiles::inFolder(const QString& folder) {
    SettingsFiles files;
    files.site_ = folder + QStringLiteral("/set");
    files.baseFee_ = folder + QStringLiteral("/set2");
    files.check_ = folder + QStringLiteral("/chk1.ini");
    return files;
}

}  // namespace lumtar
