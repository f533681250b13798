#pragma once

#include <cstdint>

#include <QColor>
#include <QPalette>

// A colour as the settings file and the tiles carry it: 0x00BBGGRR, or, with
// the top bit set, a colour of the desktop scheme named by its index.
using TColor = std::uint32_t;

constexpr TColor clBlack = 0x00000000;
constexpr TColor clRed = 0x000000FF;
constexpr TColor clGray = 0x00808080;
constexpr TColor clSilver = 0x00C0C0C0;
constexpr TColor clTeal = 0x00808000;
constexpr TColor clWindowText = 0x80000008;
constexpr TColor clBtnFace = 0x8000000F;
constexpr TColor clBtnShadow = 0x80000010;
constexpr TColor clBtnHighlight = 0x80000014;
constexpr TColor cl3DDkShadow = 0x80000015;
constexpr TColor cl3DLight = 0x80000016;

// Resolves a colour against the desktop palette at the moment of painting,
// so a change of theme shows at the next paint.
QColor toQColor(TColor color, const QPalette &palette);

// The ordinary colour of an RGB value.
TColor fromQColor(const QColor &color);

constexpr TColor rgbColor(int r, int g, int b)
{
    return TColor(r) | (TColor(g) << 8) | (TColor(b) << 16);
}
