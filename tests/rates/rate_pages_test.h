#pragma once
// The interest and damages pages through the real main window, in both releases.

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStringList>

#include "support/test_support.h"

namespace lumtar::test {

inline const Release& ReleaseOf(bool v13) {
    return v13 ? kReleaseV13 : kReleaseV14_2;
}

// The result box as lines; a segment entry shows its own line feeds.
inline QString Joined(const QStringList& lines) {
    return lines.join(QLatin1Char('\n'));
}

// The main window on one of the two rate pages, its shared controls at hand.
struct RatePage {
    RatePage(bool v13, const char* caption) : f(ReleaseOf(v13)) {
        f.selectPage(QString::fromUtf8(caption));
        f.boxes.clear();
    }
    // As the user picks a day: the picker's change handler runs.
    static void pick(QDateEdit* picker, const QDate& day) { picker->setDate(day); }
    // As the user replaces the amount, key by key.
    void retype(const QString& text) {
        amount->clear();
        f.typeAmount(text);
    }

    MainWindowFixture f;
    QLineEdit* amount = f.find<QLineEdit>("edtBd");
    QLabel* echo = f.find<QLabel>("Label24");
    QPlainTextEdit* segments = f.find<QPlainTextEdit>("Memo5");
};

}  // namespace lumtar::test
