#pragma once

#include "base/TColor.h"

#include <QColor>
#include <QPalette>

// Resolves a colour against the desktop palette at the moment of painting,
// so a change of theme shows at the next paint.
QColor toQColor(TColor color, const QPalette &palette);

// The ordinary colour of an RGB value.
TColor fromQColor(const QColor &color);

// Black on a light backdrop, white on a dark one, by luminance: what the
// keyboard's cue and the colour marks are drawn in, so they stand out on
// every colour of the palette.
QColor contrastInk(const QColor &backdrop);
