#pragma once
// Shared ground for the window tests: a temporary settings folder, message
// boxes answered without blocking, the main window of either release, typing,
// and screenshots.

#include <QLineEdit>
#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>
#include <vector>

#include "app/main_window.h"
#include "app/message_box.h"

namespace lumtar::test {

// Records every box the program shows while it lives; no real box opens.
class BoxRecorder {
public:
    BoxRecorder();
    ~BoxRecorder();
    std::vector<ShownBox> boxes;
    std::function<void(const ShownBox&)> onBox;  // runs when a box shows

    QStringList texts() const;
    void clear() { boxes.clear(); }
};

// Options for a main window whose settings live in dir and whose maker's
// server is a closed port on 127.0.0.1.
AppOptions TestOptions(const QTemporaryDir& dir, const Release& release = kReleaseV14_2);

// A main window on a fresh temporary settings folder, shown offscreen.
struct MainWindowFixture {
    explicit MainWindowFixture(const Release& release = kReleaseV14_2, bool show = true);
    ~MainWindowFixture();

    template <class T>
    T* find(const char* name) const {
        return form->findChild<T*>(QString::fromLatin1(name));
    }
    void selectPage(const QString& caption);
    // Types text into the amount field key by key.
    void typeAmount(const QString& text);

    QTemporaryDir dir;
    BoxRecorder boxes;
    std::unique_ptr<TForm1> form;
};

// Writes a settings file (text converted to GBK).
void WriteGbkFile(const QString& path, const QString& text);

// Saves a picture of the widget to $LUMTAR_SCREENSHOT_DIR/name.png, if set.
QString SaveScreenshot(QWidget* widget, const QString& name);

}  // namespace lumtar::test
