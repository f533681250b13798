#pragma once

#include <QString>

// How the game writes a time it took: "mm:ss", minutes counting on past an
// hour ("65:30"), seconds cut, not rounded, as a stopwatch shows them.
class ElapsedText
{
public:
    static QString format(qint64 milliseconds);
};
