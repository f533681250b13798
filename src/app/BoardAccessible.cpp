#include "BoardAccessible.h"

#include "BoardView.h"
#include "ClientAccessible.h"
#include "ResultAccessible.h"
#include "TileAccessible.h"
#include "widgets/tcl.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>

namespace {

// The view of the board whose game page is page, if page is one.
BoardView *boardOf(const QWidget *page)
{
    BoardView *view = page ? BoardView::of(page->parentWidget()) : nullptr;
    return view && view->background() == page ? view : nullptr;
}

} // namespace

BoardAccessible::BoardAccessible(QWidget *page) : QAccessibleWidget(page, QAccessible::Table) {}

BoardView *BoardAccessible::view() const
{
    return boardOf(widget());
}

QAccessibleInterface *BoardAccessible::create(const QString &, QObject *object)
{
    if (auto *action = qobject_cast<QAction *>(object)) {
        // The results in the menu bar of the window whose client holds the board.
        auto *bar = qobject_cast<QMenuBar *>(action->parent());
        auto *window = bar ? qobject_cast<QMainWindow *>(bar->parentWidget()) : nullptr;
        const BoardView *view = window ? BoardView::of(window->centralWidget()) : nullptr;
        if (view && action == view->timeItem())
            return new ResultAccessible(action, bar, tr("Время последней победы"));
        if (view && action == view->countItem())
            return new ResultAccessible(action, bar, tr("Нажатий в последней победе"));
        return nullptr;
    }
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    if (auto *tile = qobject_cast<tcl *>(widget)) {
        if (BoardView::of(tile->parentWidget()))
            return new TileAccessible(tile);
    }
    if (boardOf(widget))
        return new BoardAccessible(widget);
    if (BoardView::of(widget))
        return new ClientAccessible(widget);
    return nullptr;
}

void BoardAccessible::install(const BoardView &view)
{
    static const bool installed = [] {
        QAccessible::installFactory(&BoardAccessible::create);
        return true;
    }();
    Q_UNUSED(installed);
    for (QObject *object : {view.parent(), static_cast<QObject *>(view.background()),
                            static_cast<QObject *>(view.timeItem()), static_cast<QObject *>(view.countItem())}) {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(object);
        if (iface && !dynamic_cast<BoardAccessible *>(iface) && !dynamic_cast<ClientAccessible *>(iface)
            && !dynamic_cast<ResultAccessible *>(iface))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
    }
}

QString BoardAccessible::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name:
        return tr("Игровое поле");
    case QAccessible::Description: {
        const BoardView *v = view();
        if (!v)
            return {};
        QString text = tr("%1 на %2. Стрелки выбирают плитку, пробел открывает её.")
                           .arg(v->cols())
                           .arg(v->rows());
        // Told here while no tile has the focus.
        if (!v->cue().isShown() && !v->announcement().isEmpty())
            text.prepend(v->announcement() + QStringLiteral(". "));
        return text;
    }
    default:
        return QAccessibleWidget::text(t);
    }
}

int BoardAccessible::childCount() const
{
    return rowCount() * columnCount();
}

QAccessibleInterface *BoardAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    return cellAt(index / columnCount(), index % columnCount());
}

int BoardAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    const auto *tile = child ? qobject_cast<const tcl *>(child->object()) : nullptr;
    if (!tile || tile->Row() > rowCount() || tile->Col() > columnCount())
        return -1;
    return (tile->Row() - 1) * columnCount() + tile->Col() - 1;
}

QAccessibleInterface *BoardAccessible::focusChild() const
{
    const BoardView *v = view();
    return v && v->cue().isShown() ? cellAt(v->cue().row() - 1, v->cue().col() - 1) : nullptr;
}

void *BoardAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessibleInterface *BoardAccessible::cellAt(int row, int column) const
{
    if (row < 0 || column < 0 || row >= rowCount() || column >= columnCount())
        return nullptr;
    return QAccessible::queryAccessibleInterface(view()->tile(row + 1, column + 1));
}

int BoardAccessible::columnCount() const
{
    const BoardView *v = view();
    return v && v->hasTiles() ? v->cols() : 0;
}

int BoardAccessible::rowCount() const
{
    const BoardView *v = view();
    return v && v->hasTiles() ? v->rows() : 0;
}
