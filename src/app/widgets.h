#pragma once
// Small controls and look helpers shared by every window: flat result buttons
// that report the mouse entering and leaving, clickable labels and pictures,
// the window fonts and colours, and placing a control at a fixed position.

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QToolButton>
#include <string_view>

namespace lumtar {

// A flat button with a hand cursor, as the result captions are drawn.
class SpeedButton : public QToolButton {
    Q_OBJECT
public:
    explicit SpeedButton(QWidget* parent = nullptr);

signals:
    void mouseEntered();
    void mouseLeft();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
};

// A label or picture that reacts to clicks and to the mouse.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent = nullptr);

signals:
    void clicked();
    void mouseEntered();
    void mouseLeft();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
};

// The program's own texts are UTF-8 in the source and in the core.
inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// 宋体 (SimSun) where it exists, else a CJK serif of the same build.
QFont SongTi(int pixelSize, bool bold = false);
// 黑体 (SimHei) where it exists, else a CJK sans.
QFont HeiTi(int pixelSize, bool bold = false);

namespace colors {
inline const QColor kNavy{0, 0, 128};
inline const QColor kMaroon{128, 0, 0};
inline const QColor kOlive{128, 128, 0};
inline const QColor kGrey{128, 128, 128};
inline const QColor kRed{255, 0, 0};
inline const QColor kBlack{0, 0, 0};
inline const QColor kMoneyGreen{192, 220, 192};
inline const QColor kCream{255, 251, 240};
}  // namespace colors

void SetTextColor(QWidget* widget, const QColor& color);
void SetBaseColor(QWidget* widget, const QColor& color);
QColor TextColor(const QWidget* widget);

// A fixed-size dialog with only the system menu and close box in its title bar.
inline constexpr Qt::WindowFlags kFixedDialogFlags =
    Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
    Qt::WindowCloseButtonHint;

// Puts a control at left, top; width and height when given, else its natural size.
void Place(QWidget* widget, int left, int top, int width = -1, int height = -1);

// Creates a child control, names it (tests and screen readers find it by that
// name) and places it.
template <class W>
W* Make(QWidget* parent, const char* name, int left, int top, int width = -1, int height = -1) {
    auto* w = new W(parent);
    w->setObjectName(QString::fromLatin1(name));
    Place(w, left, top, width, height);
    return w;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int left, int top,
                  const QFont& font);

}  // namespace lumtar
