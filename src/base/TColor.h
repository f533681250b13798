#pragma once

#include <cstdint>

// A colour as the settings file and the tiles carry it: 0x00BBGGRR (red in
// the low byte), or, with the top bit set, a colour of the desktop's scheme
// named by its index in the low byte. Widgets resolve it when they paint
// (SchemeColor.h).
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

constexpr TColor rgbColor(int r, int g, int b)
{
    return TColor(r) | (TColor(g) << 8) | (TColor(b) << 16);
}
