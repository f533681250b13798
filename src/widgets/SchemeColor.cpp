#include "SchemeColor.h"

QColor toQColor(TColor color, const QPalette &palette)
{
    if (color & 0x80000000u) {
        switch (color & 0xFF) {
        case 5: // window background
            return palette.color(QPalette::Base);
        case 8: // window text
            return palette.color(QPalette::WindowText);
        case 15: // button face
            return palette.color(QPalette::Button);
        case 16: // button shadow
            return palette.color(QPalette::Dark);
        case 18: // button text
            return palette.color(QPalette::ButtonText);
        case 20: // button highlight
            return palette.color(QPalette::Light);
        case 21: // 3-D dark shadow
            return palette.color(QPalette::Shadow);
        case 22: // 3-D light
            return palette.color(QPalette::Midlight);
        default:
            return palette.color(QPalette::Window);
        }
    }
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

TColor fromQColor(const QColor &color)
{
    return rgbColor(color.red(), color.green(), color.blue());
}

QColor contrastInk(const QColor &backdrop)
{
    return qGray(backdrop.rgb()) >= 128 ? QColor(Qt::black) : QColor(Qt::white);
}
