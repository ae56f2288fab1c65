#include "app/artwork.h"

#include <QLinearGradient>
#include <QPainter>

#include "app/widgets.h"

namespace lumtar {

QPixmap BannerPicture(const QSize& size) {
    QPixmap pixmap(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, size.width(), 0);
    sky.setColorAt(0, QColor(18, 52, 110));
    sky.setColorAt(1, QColor(70, 130, 190));
    p.fillRect(pixmap.rect(), sky);
    // A pair of scales, the court's emblem, drawn in gold on the left.
    p.setPen(QPen(QColor(236, 200, 90), 2));
    const int cx = 34;
    p.drawLine(cx, 10, cx, 46);
    p.drawLine(cx - 18, 18, cx + 18, 18);
    p.drawLine(cx - 24, 46, cx + 24, 46);
    p.drawArc(QRect(cx - 26, 22, 16, 10), 180 * 16, 180 * 16);
    p.drawArc(QRect(cx + 10, 22, 16, 10), 180 * 16, 180 * 16);
    p.setPen(Qt::white);
    p.setFont(SongTi(22, true));
    p.drawText(QRect(70, 4, size.width() - 80, 30), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Lumtar 法院诉讼费用计算器"));
    p.setFont(SongTi(12));
    p.drawText(QRect(72, 34, size.width() - 80, 18), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("受理费 · 申请费 · 迟延履行利息 · 违约金 · 期限计算"));
    return pixmap;
}

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
