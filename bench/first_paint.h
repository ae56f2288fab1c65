#pragma once
// Start-up ends when the window has been painted for the first time: both the
// Lumtar probe and the yardstick program quit right after that paint.

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>

class QuitAfterFirstPaint : public QObject {
public:
    explicit QuitAfterFirstPaint(QWidget* window) : QObject(window) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            QTimer::singleShot(0, qApp, &QApplication::quit);
        }
        return false;
    }

private:
    bool painted_ = false;
};

// For finding out where start-up memory goes: the mappings as they stand.
inline void DumpMappingsIfAsked() {
    if (!qEnvironmentVariableIsSet("LUMTAR_PROBE_SMAPS")) return;
    QFile smaps(QStringLiteral("/proc/self/smaps"));
    QFile out;
    if (smaps.open(QIODevice::ReadOnly) && out.open(stdout, QIODevice::WriteOnly))
        out.write(smaps.readAll());
}
