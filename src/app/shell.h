#pragma once
// What the pages and windows share with the main window: the amount field and
// its echo, the kept fees, the hidden segment list, the settings files and the
// release in force.

#include <QString>

#include "app/ini_file.h"
#include "app/release.h"
#include "app/settings_files.h"
#include "fees/fee_schedules.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace lumtar {

class TForm2;
class Tfrmfen;

// The three acceptance fees as last computed, halved when "减半" is checked.
using KeptFees = AcceptanceFees;

struct AppOptions {
    const Release* release = &kReleaseV14_2;
    SettingsFiles files = SettingsFiles::standard();
    QString siteUrl;  // the maker's web server; empty means the built-in one
};

struct Shell {
    Shell(const Release& r, SettingsFiles f, QString url)
        : release(r), files(std::move(f)), siteUrl(std::move(url)) {}

    const Release& release;
    SettingsFiles files;
    QString siteUrl;

    QWidget* mainWindow = nullptr;
    QLineEdit* edtBd = nullptr;       // the subject amount
    QLabel* Label24 = nullptr;        // the amount echo
    QPlainTextEdit* Memo5 = nullptr;  // segment list of the interest and damages pages
    QLineEdit* Edit1 = nullptr;       // carrier of clipboard copies
    TForm2* Form2 = nullptr;          // base-fee settings window
    Tfrmfen* frmfen = nullptr;        // apportionment window

    KeptFees keptFees;
    IniFile siteSettings;  // "c:\set"; reopened after a download
    IniFile baseFees;      // "c:\set2"; reopened at every activation
};

}  // namespace lumtar
