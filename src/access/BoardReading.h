#pragma once

#include <QString>

class QAction;
class QObject;
class QWidget;
class tcl;

// What a screen reader asks of the board: the view of the board implements
// it, the accessibility objects read through it. Rows and columns count
// from 1.
class BoardReading
{
public:
    virtual ~BoardReading() = default;

    // The board whose tiles lie in client, if any: a direct child of client
    // that implements this interface.
    static BoardReading *of(const QObject *client);

    // The game page, which holds the keyboard while the board is in front.
    virtual QWidget *page() const = 0;
    // The results of the last won board in the menu bar.
    virtual QAction *timeItem() const = 0;
    virtual QAction *countItem() const = 0;
    // The board in play: rows by cols, 0 before the tiles exist.
    virtual int rows() const = 0;
    virtual int cols() const = 0;
    virtual tcl *tile(int row, int col) const = 0;
    // What the tile shows, then where it lies ("синий, ряд 2, столбец 3").
    virtual QString tileName(int row, int col) const = 0;
    // Whether the keyboard's cue is shown on the tile at row, col.
    virtual bool cueOn(int row, int col) const = 0;
    virtual bool cueShown() const = 0;
    // A press from an assistive technology, as the mouse presses a tile.
    virtual void pressTile(int row, int col) = 0;
};
