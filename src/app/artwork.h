#pragma once
// The program's pictures, drawn at start-up rather than shipped as files: the
// banner of the top strip, the calculator icon and the about picture.

#include <QPixmap>

namespace lumtar {

QPixmap BannerPicture(const QSize& size);
QPixmap CalculatorIcon(const QSize& size);
QPixmap AboutPicture(const QSize& size);

}  // namespace lumtar
