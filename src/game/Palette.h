#pragma once

#include "base/TColor.h"

#include <array>

// The 24 colours of the game, laid on the first three rows of the board
// before the shuffle.
namespace Palette {

constexpr int Rows = 3;
constexpr int Cols = 8;

constexpr std::array<std::array<TColor, Cols>, Rows> Colors{{
    {rgbColor(0, 0, 0), rgbColor(0, 0, 155), rgbColor(0, 0, 255), rgbColor(0, 155, 0),
     rgbColor(0, 155, 155), rgbColor(255, 255, 0), rgbColor(0, 255, 0), rgbColor(255, 230, 130)},
    {rgbColor(0, 255, 255), rgbColor(155, 0, 0), rgbColor(155, 0, 155), rgbColor(255, 255, 255),
     rgbColor(155, 155, 0), rgbColor(155, 155, 155), rgbColor(155, 155, 255), rgbColor(100, 100, 100)},
    {rgbColor(155, 255, 155), rgbColor(200, 200, 255), rgbColor(255, 0, 0), rgbColor(255, 0, 155),
     rgbColor(255, 0, 255), rgbColor(255, 155, 0), rgbColor(255, 155, 155), rgbColor(255, 170, 255)},
}};

} // namespace Palette
