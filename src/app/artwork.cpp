#include "app/artwork.h"

#include <QLinearGradient>
#include <QPainter>

#include "app/widgets.h"

namespace lumtar {

QPixmap CalculatorIcon(const QSize& size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF body(2.5, 0.5, size.width() - 5, size.height() - 1);
    p.setPen(QColor(60, 60, 60));
    p.setBrush(QColor(220, 220, 210));
    p.drawRoundedRect(body, 3, 3);
    p.setBrush(QColor(170, 200, 160));
    p.drawRect(QRectF(body.left() + 3, body.top() + 3, body.width() - 6, 5));
    p.setBrush(QColor(90, 90, 90));
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            p.drawRect(QRectF(body.left() + 3 + col * 5.5, body.top() + 10 + row * 4, 3.5, 2.5));
    return pixmap;
}

QPixmap AboutPicture(const QSize& size) {
    QPixmap pixmap(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0, QColor(120, 30, 30));
    g.setColorAt(1, QColor(60, 10, 10));
    p.fillRect(pixmap.rect(), g);
    p.setPen(QPen(QColor(236, 200, 90), 3));
    const int cx = size.width() / 2;
    p.drawLine(cx, 20, cx, size.height() - 30);
    p.drawLine(cx - 30, 34, cx + 30, 34);
    p.drawLine(cx - 34, size.height() - 30, cx + 34, size.height() - 30);
    p.drawArc(QRect(cx - 42, 42, 24, 14), 180 * 16, 180 * 16);
    p.drawArc(QRect(cx + 18, 42, 24, 14), 180 * 16, 180 * 16);
    p.setFont(SongTi(16, true));
    p.drawText(QRect(0, size.height() - 26, size.width(), 22), Qt::AlignCenter,
               QStringLiteral("Lumtar"));
    return pixmap;
}

}  // namespace lumtar
