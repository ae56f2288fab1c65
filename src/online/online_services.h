#pragma once
// The maker's online presence: the update check started at every activation,
// the notice pane of the top strip and the rotating link of the bottom strip.

#include <QObject>

#include "app/shell.h"

class QAbstractButton;
class QLabel;
class QTextBrowser;
class QTimer;

namespace lumtar {

class ClickLabel;

// The main-window controls the online services drive.
struct OnlineControls {
    QWidget* Panel11;            // banner panel over the notice pane
    QTextBrowser* WebBrowser1;   // notice pane
    QAbstractButton* SpeedButton9;  // hidden status button on the interest page
    ClickLabel* Image3;          // banner picture
    ClickLabel* Label32;         // rotating link
    QLabel* Labelhttp;           // the link's target
    QTimer* Timer1;              // 5000 ms rotation
};

class OnlineServices : public QObject {
    Q_OBJECT
public:
    OnlineServices(Shell& shell, const OnlineControls& controls, QObject* parent = nullptr);

    // Starts one background update check; never blocks.
    void startCheck();
    // The window is closing: checks still running are abandoned.
    void shutdown();

private:
    Shell& shell_;
    OnlineControls controls_;
};

}  // namespace lumtar
