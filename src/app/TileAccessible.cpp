#include "TileAccessible.h"

#include "BoardView.h"
#include "widgets/TCustomPanel.h"
#include "widgets/tcl.h"

TileAccessible::TileAccessible(tcl *tile) : QAccessibleWidget(tile, QAccessible::Cell) {}

BoardView *TileAccessible::view() const
{
    return BoardView::of(tile().parentWidget());
}

const tcl &TileAccessible::tile() const
{
    return *static_cast<const tcl *>(object());
}

QString TileAccessible::text(QAccessible::Text t) const
{
    const BoardView *v = view();
    switch (t) {
    case QAccessible::Name:
        return v ? v->tileName(tile().Row(), tile().Col()) : QString();
    case QAccessible::Description:
        return v && v->cueOn(tile().Row(), tile().Col()) ? v->announcement() : QString();
    default:
        return QAccessibleWidget::text(t);
    }
}

QAccessible::State TileAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.focusable = true;
    const BoardView *v = view();
    const TCustomPanel *page = v ? v->background() : nullptr;
    state.focused = page && page->hasFocus() && v->cueOn(tile().Row(), tile().Col());
    return state;
}

QAccessibleInterface *TileAccessible::parent() const
{
    const BoardView *v = view();
    return v ? QAccessible::queryAccessibleInterface(v->background()) : QAccessibleWidget::parent();
}

void *TileAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableCellInterface)
        return static_cast<QAccessibleTableCellInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QStringList TileAccessible::actionNames() const
{
    return {QAccessibleActionInterface::pressAction()};
}

void TileAccessible::doAction(const QString &actionName)
{
    if (actionName == QAccessibleActionInterface::pressAction())
        if (BoardView *v = view())
            v->pressTile(tile().Row(), tile().Col());
}

int TileAccessible::columnIndex() const
{
    return tile().Col() - 1;
}

int TileAccessible::rowIndex() const
{
    return tile().Row() - 1;
}
