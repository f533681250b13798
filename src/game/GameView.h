#pragma once

#include "TileState.h"

#include <QSize>
#include <QString>

// What the game needs of the window: the client area, the looks of the two
// sample panels at the moment of asking, and somewhere to show tiles and
// results. Tests implement it without a screen.
class GameView
{
public:
    virtual ~GameView() = default;

    virtual QSize clientSize() const = 0;
    virtual TPanelStyle concealedStyle() const = 0;
    virtual TColor concealedColor() const = 0;
    virtual TPanelStyle revealedStyle() const = 0;

    virtual void tileChanged(const TileState &tile) = 0;
    virtual void setTimeCaption(const QString &text) = 0;
    virtual void setCountCaption(const QString &text) = 0;
};
