#pragma once
// Where the three settings files live: the base-fee file, the site settings
// file and the check file. On Windows they sit at the root of drive C; elsewhere
// in the user's configuration folder. Tests point the folder at a temporary one.

#include <QString>

#include "app/ini_file.h"

namespace lumtar {

class SettingsFiles {
public:
    // The default folder: "c:\" on Windows, $XDG_CONFIG_HOME/lumtar elsewhere.
    static SettingsFiles standard();
    // Every file in folder, with the names of the other platforms.
    static SettingsFiles inFolder(const QString& folder);

    QString siteSettingsPath() const { return site_; }  // "c:\set"
    QString baseFeePath() const { return baseFee_; }    // "c:\set2"
    QString checkFilePath() const { return check_; }    // "c:\chk1.ini"

    IniFile siteSettings() const { return IniFile(site_); }
    IniFile baseFees() const { return IniFile(baseFee_); }
    IniFile checkFile() const { return IniFile(check_); }

private:
    QString site_;
    QString baseFee_;
    QString check_;
};

}  // namespace lumtar
