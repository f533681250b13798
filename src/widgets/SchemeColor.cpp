#include "SchemeColor.h"

#include <algorithm>
#include <cmath>

namespace {

// Relative luminance of an sRGB colour, 0 for black to 1 for white.
double luminance(const QColor &color)
{
    const auto linear = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF()) + 0.0722 * linear(color.blueF());
}

constexpr double ReadableContrast = 4.5;

} // namespace

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

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

QColor textColorOn(TColor background, const QPalette &palette)
{
    const QColor desktopText = palette.color(QPalette::WindowText);
    if (background & 0x80000000u)
        return desktopText;
    const QColor under = toQColor(background, palette);
    if (contrastRatio(desktopText, under) >= ReadableContrast)
        return desktopText;
    return contrastInk(under);
}

TColor fromQColor(const QColor &color)
{
    return rgbColor(color.red(), color.green(), color.blue());
}

QColor contrastInk(const QColor &backdrop)
{
    // By the contrast ratio, not by a grey level: bright green is grey 127,
    // yet white on it reads at 1.4:1 and black at 15:1. The better of the two
    // inks reaches at least 4.58:1 on any colour.
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return contrastRatio(black, backdrop) >= contrastRatio(white, backdrop) ? black : white;
}
