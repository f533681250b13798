#pragma once

#include "base/TColor.h"

#include <QColor>
#include <QPalette>

// Resolves a colour against the desktop palette at the moment of painting,
// so a change of theme shows at the next paint.
QColor toQColor(TColor color, const QPalette &palette);

// The contrast ratio of two colours by their relative luminance, from 1
// (the same) to 21 (black and white); 4.5 reads as ordinary text.
double contrastRatio(const QColor &a, const QColor &b);

// The colour of a text drawn on background. On a colour of the desktop's
// scheme that is the desktop's window text. On a colour the game fixes
// (silver, red, a colour the player chose) it is the window text where that
// reads, at a contrast of at least 4.5:1, and otherwise black or white,
// whichever contrasts more: a dark scheme's light text is no use on silver.
QColor textColorOn(TColor background, const QPalette &palette);

// The ordinary colour of an RGB value.
TColor fromQColor(const QColor &color);

// Black or white, whichever has the higher contrast ratio on backdrop: what
// the keyboard's cue and the colour marks are drawn in, so they stand out on
// every colour of the palette.
QColor contrastInk(const QColor &backdrop);
