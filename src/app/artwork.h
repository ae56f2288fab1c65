#pragma once
// The program's small pictures, drawn rather than shipped as files: the
// calculator icon and the about picture. The banner is a resource image.

#include <QPixmap>

namespace lumtar {

QPixmap CalculatorIcon(const QSize& size);
QPixmap AboutPicture(const QSize& size);

}  // namespace lumtar
