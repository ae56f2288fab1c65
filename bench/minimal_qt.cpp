// The yardstick for start-up: the smallest Qt Widgets program, one window with
// a label, built with the same flags as Lumtar. Its label is Chinese, in the
// same 宋体 face, since any program in Chinese loads a CJK font to show itself.
#include <QLabel>

#include "first_paint.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Lumtar   计算结果仅供参考"));
    QFont font;
    font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("Noto Serif CJK SC")});
    font.setPixelSize(11);
    label.setFont(font);
    label.resize(625, 449);
    new QuitAfterFirstPaint(&label);
    label.show();
    const int status = QApplication::exec();
    DumpMappingsIfAsked();
    return status;
}
