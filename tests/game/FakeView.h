#pragma once

#include "game/GameView.h"

// The window as the game sees it, without a screen: a client area, the two
// samples' looks and the result captions.
class FakeView : public GameView
{
public:
    QSize size{600, 340};
    TPanelStyle concealed{0, 0, 2, 2, 2};
    TColor concealedColour = 0x00C0C0C0;
    TPanelStyle revealed{0, 0, 3, 1, 2};
    QString timeCaption = QStringLiteral("old");
    QString countCaption = QStringLiteral("old");
    int changes = 0;

    QSize clientSize() const override { return size; }
    TPanelStyle concealedStyle() const override { return concealed; }
    TColor concealedColor() const override { return concealedColour; }
    TPanelStyle revealedStyle() const override { return revealed; }
    void tileChanged(const TileState &) override { ++changes; }
    void setTimeCaption(const QString &text) override { timeCaption = text; }
    void setCountCaption(const QString &text) override { countCaption = text; }
};
