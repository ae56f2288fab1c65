#include "app/calculator.h"

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

namespace lumtar {

void StartCalculator(QWidget*) {
#ifdef Q_OS_WIN
    QProcess::startDetached(QStringLiteral("C:\\WINDOWS\\system32\\calc.exe"), {});
#else
    const QStringList candidates = {
        QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),
        QStringLiteral("mate-calc"),        QStringLiteral("galculator"),
        QStringLiteral("qalculate-gtk"),    QStringLiteral("xcalc")};
    for (const QString& name : candidates) {
        const QString program = QStandardPaths::findExecutable(name);
        if (!program.isEmpty()) {
            QProcess::startDetached(program, {});
            return;
        }
    }
#endif
}

}  // namespace lumtar
