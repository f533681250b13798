#pragma once

#include "settings/TPanelStyle.h"
#include "base/TColor.h"

// What the board knows of one tile; the tile widget shows it.
struct TileState
{
    int Row = 0;
    int Col = 0;
    TColor PairColor = 0;
    // On the board: a hidden tile is out of play or already removed.
    bool Visible = false;
    bool FaceUp = false;
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    TPanelStyle Style;
    TColor Color = 0;
};
