#pragma once

#include <QAccessibleActionInterface>
#include <QAccessibleTableCellInterface>
#include <QAccessibleWidget>

class BoardView;
class tcl;

// One tile as a cell of the board's table: its name says what it shows and
// where it lies ("тёмно-зелёный, ряд 2, столбец 3"; "закрыта" while
// concealed, "пусто" once its pair has gone), its description the last
// announcement while the cue is on it, and its press action presses it as
// the mouse does.
class TileAccessible : public QAccessibleWidget, public QAccessibleTableCellInterface
{
public:
    explicit TileAccessible(tcl *tile);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QAccessibleInterface *parent() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface *> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    int columnIndex() const override;
    int rowIndex() const override;
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override { return parent(); }

private:
    const tcl &tile() const;
    // Looked up at each call: the view goes before the tiles when the window does.
    BoardView *view() const;
};
