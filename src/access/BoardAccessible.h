#pragma once

#include <QAccessibleWidget>

class BoardReading;
class QObject;
class QString;

// The board as a screen reader reads it: the game page, which holds the
// keyboard, is a table of the tiles in play, one cell per tile, and the tile
// under the keyboard's cue is its focused cell. The table's name says what it
// is, its description how it is played.
//
// It offers no table interface on purpose: Orca reads a whole row of a table
// whose cells know their row, each time the focus moves up or down, and a
// row of tiles is no record to be read at once. Each cell's name says where
// it lies instead.
class BoardAccessible : public QAccessibleWidget
{
public:
    explicit BoardAccessible(QWidget *page);

    // The factory for QAccessible::installFactory: the game page, its tiles,
    // the client area that holds them, the results in the menu bar and the
    // announcer get the interfaces of the board; every other object the ones
    // Qt gives it.
    static QAccessibleInterface *create(const QString &className, QObject *object);
    // Installs create() once per process, and makes sure the client area of
    // board and its game page get their interfaces from it, even where Qt
    // made them before the board existed.
    static void install(const BoardReading &board, QObject *client);

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *focusChild() const override;

private:
    // Looked up at each call: the board goes before the page when the window does.
    BoardReading *board() const;
    QAccessibleInterface *cellAt(int row, int col) const;
};
