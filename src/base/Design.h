#pragma once

#include <QRect>

// The window was designed at 120 pixels per inch; its coordinates are scaled
// by the logical DPI of the primary screen, rounding to the nearest pixel.
namespace Design {

constexpr int PixelsPerInch = 120;

int dpi();
int scaled(int designUnits);
QRect scaled(const QRect &designRect);
QSize scaled(const QSize &designSize);

} // namespace Design
