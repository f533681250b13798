#pragma once

#include "settings/TPanelStyle.h"
#include "base/TColor.h"

// What the board knows of one tile; the tile widget shows it.
struct TileState
{
    int Row = 0;          // 1 to 6
    int Col = 0;          // 1 to 8
    TColor PairColor = 0; // the colour it hides, shown while it is revealed
    // On the board: a hidden tile is out of play or already removed.
    bool Visible = false;
    bool FaceUp = false;  // revealed
    int Left = 0;         // its bounds in the client area
    int Top = 0;
    int Width = 0;
    int Height = 0;
    TPanelStyle Style;    // the frame it shows: the concealed or the revealed sample's
    TColor Color = 0;     // the colour it shows
};
