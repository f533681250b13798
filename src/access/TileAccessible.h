#pragma once

#include <QAccessibleActionInterface>
#include <QAccessibleWidget>

class BoardReading;
class tcl;

// One tile as a cell of the board: its name says what it shows and where it
// lies ("тёмно-зелёный, ряд 2, столбец 3"; "закрыта" while concealed,
// "пусто" once its pair has gone), and its press action presses it as the
// mouse does.
class TileAccessible : public QAccessibleWidget
{
public:
    explicit TileAccessible(tcl *tile);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QAccessibleInterface *parent() const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

private:
    const tcl &tile() const;
    // Looked up at each call: the board goes before the tiles when the window does.
    BoardReading *board() const;
};
