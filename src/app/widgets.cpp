#include "app/widgets.h"

#include <QMouseEvent>

namespace lumtar {

SpeedButton::SpeedButton(QWidget* parent) : QToolButton(parent) {
    setAutoRaise(true);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    setToolButtonStyle(Qt::ToolButtonTextOnly);
}

void SpeedButton::enterEvent(QEnterEvent* event) {
    QToolButton::enterEvent(event);
    emit mouseEntered();
}

void SpeedButton::leaveEvent(QEvent* event) {
    QToolButton::leaveEvent(event);
    emit mouseLeft();
}

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent) {}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void ClickLabel::enterEvent(QEnterEvent* event) {
    QLabel::enterEvent(event);
    emit mouseEntered();
}

void ClickLabel::leaveEvent(QEvent* event) {
    QLabel::leaveEvent(event);
    emit mouseLeft();
}

namespace {
QFont CjkFont(const QStringList& families, int pixelSize, bool bold) {
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}
}  // namespace

QFont SongTi(int pixelSize, bool bold) {
    // 宋体 has a single face and is drawn bold by emboldening it, so the regular
    // face serves for bold too: the look of 宋体, and one font file to load.
    QFont font = CjkFont({QStringLiteral("SimSun"), QStringLiteral("宋体"),
                          QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC")},
                         pixelSize, bold);
    font.setStyleName(QStringLiteral("Regular"));
    return font;
}

QFont HeiTi(int pixelSize, bool bold) {
    return CjkFont(
        {QStringLiteral("SimHei"), QStringLiteral("黑体"), QStringLiteral("Noto Sans CJK SC")},
        pixelSize, bold);
}

void SetTextColor(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::ButtonText, color);
    palette.setColor(QPalette::Text, color);
    widget->setPalette(palette);
}

void SetBaseColor(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, color);
    widget->setPalette(palette);
}

QColor TextColor(const QWidget* widget) {
    return widget->palette().color(QPalette::WindowText);
}

void Place(QWidget* widget, int left, int top, int width, int height) {
    if (width < 0 || height < 0) {
        widget->adjustSize();
        const QSize natural = widget->size();
        widget->setGeometry(left, top, width < 0 ? natural.width() : width,
                            height < 0 ? natural.height() : height);
    } else {
        widget->setGeometry(left, top, width, height);
    }
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int left, int top,
                  const QFont& font) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    Place(label, left, top);
    return label;
}

}  // namespace lumtar
