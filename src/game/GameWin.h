#pragma once

#include <QtGlobal>

// A board won: what the rules know of it when its last pair vanishes.
struct GameWin
{
    int cols = 0;
    int rows = 0;
    qint64 elapsedMs = 0;       // from the first press to the last removal
    int presses = 0;            // every press since the clock started
    bool demonstration = false; // the demonstration pressed a tile of this board
    bool match = false;         // played in turns against someone
};
