#include "TileAccessible.h"

#include "BoardReading.h"
#include "widgets/tcl.h"

TileAccessible::TileAccessible(tcl *tile) : QAccessibleWidget(tile, QAccessible::Cell) {}

BoardReading *TileAccessible::board() const
{
    return BoardReading::of(tile().parentWidget());
}

const tcl &TileAccessible::tile() const
{
    return *static_cast<const tcl *>(object());
}

QString TileAccessible::text(QAccessible::Text t) const
{
    if (t != QAccessible::Name)
        return QAccessibleWidget::text(t);
    const BoardReading *b = board();
    return b ? b->tileName(tile().Row(), tile().Col()) : QString();
}

QAccessible::State TileAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.focusable = true;
    const BoardReading *b = board();
    const QWidget *page = b ? b->page() : nullptr;
    state.focused = page && page->hasFocus() && b->cueOn(tile().Row(), tile().Col());
    return state;
}

QAccessibleInterface *TileAccessible::parent() const
{
    const BoardReading *b = board();
    return b ? QAccessible::queryAccessibleInterface(b->page()) : QAccessibleWidget::parent();
}

QStringList TileAccessible::actionNames() const
{
    return {QAccessibleActionInterface::pressAction()};
}

void TileAccessible::doAction(const QString &actionName)
{
    if (actionName == QAccessibleActionInterface::pressAction())
        if (BoardReading *b = board())
            b->pressTile(tile().Row(), tile().Col());
}
