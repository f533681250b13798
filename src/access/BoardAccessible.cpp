#include "BoardAccessible.h"

#include "Announcer.h"
#include "AnnouncerAccessible.h"
#include "BoardReading.h"
#include "MenuAccessible.h"
#include "MenuItemAccessible.h"
#include "ClientAccessible.h"
#include "NumberFieldAccessible.h"
#include "ResultAccessible.h"
#include "TileAccessible.h"
#include "settings_page/NumberField.h"
#include "widgets/tcl.h"

#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace {

// The board whose game page is page, if page is one.
BoardReading *boardOf(const QWidget *page)
{
    BoardReading *board = page ? BoardReading::of(page->parentWidget()) : nullptr;
    return board && board->page() == page ? board : nullptr;
}

} // namespace

BoardAccessible::BoardAccessible(QWidget *page) : QAccessibleWidget(page, QAccessible::Table) {}

BoardReading *BoardAccessible::board() const
{
    return boardOf(widget());
}

QAccessibleInterface *BoardAccessible::create(const QString &, QObject *object)
{
    if (auto *action = qobject_cast<QAction *>(object)) {
        if (auto *menu = qobject_cast<QMenu *>(action->parent());
            menu && action != menu->menuAction() && MenuAccessible::holdsCheckable(menu))
            return new MenuItemAccessible(action, menu);
        // The results in the menu bar of the window whose client holds the board.
        auto *bar = qobject_cast<QMenuBar *>(action->parent());
        auto *window = bar ? qobject_cast<QMainWindow *>(bar->parentWidget()) : nullptr;
        const BoardReading *board = window ? BoardReading::of(window->centralWidget()) : nullptr;
        if (board && action == board->timeItem())
            return new ResultAccessible(action, bar, QCoreApplication::translate("BoardAccessible", "Время последней победы"));
        if (board && action == board->countItem())
            return new ResultAccessible(action, bar, QCoreApplication::translate("BoardAccessible", "Нажатий в последней победе"));
        return nullptr;
    }
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    if (auto *menu = qobject_cast<QMenu *>(widget); menu && MenuAccessible::holdsCheckable(menu))
        return new MenuAccessible(menu);
    if (auto *announcer = qobject_cast<Announcer *>(widget))
        return new AnnouncerAccessible(announcer);
    if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
        auto *field = qobject_cast<NumberField *>(edit->parentWidget());
        return field && field->edit() == edit ? new NumberFieldAccessible(edit, field) : nullptr;
    }
    if (auto *tile = qobject_cast<tcl *>(widget)) {
        if (BoardReading::of(tile->parentWidget()))
            return new TileAccessible(tile);
    }
    if (boardOf(widget))
        return new BoardAccessible(widget);
    if (BoardReading::of(widget))
        return new ClientAccessible(widget);
    return nullptr;
}

void BoardAccessible::install(const BoardReading &board, QObject *client)
{
    static const bool installed = [] {
        QAccessible::installFactory(&BoardAccessible::create);
        return true;
    }();
    Q_UNUSED(installed);
    QList<QObject *> objects{client, board.page(), board.timeItem(), board.countItem()};
    for (QLineEdit *edit : client->findChildren<QLineEdit *>())
        objects << edit;
    // Menus Qt may have read already, before the factory above was there.
    QObject *top = client;
    while (top->parent())
        top = top->parent();
    for (QMenu *menu : top->findChildren<QMenu *>()) {
        if (MenuAccessible::holdsCheckable(menu))
            objects << menu;
    }
    for (QObject *object : std::as_const(objects)) {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(object);
        if (iface && !dynamic_cast<BoardAccessible *>(iface) && !dynamic_cast<ClientAccessible *>(iface)
            && !dynamic_cast<ResultAccessible *>(iface) && !dynamic_cast<NumberFieldAccessible *>(iface)
            && !dynamic_cast<MenuAccessible *>(iface))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
    }
}

QString BoardAccessible::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name:
        return QCoreApplication::translate("BoardAccessible", "Игровое поле");
    case QAccessible::Description: {
        const BoardReading *b = board();
        if (!b)
            return {};
        return QCoreApplication::translate("BoardAccessible", "%1 на %2. Стрелки выбирают плитку, пробел открывает её.")
            .arg(b->cols())
            .arg(b->rows());
    }
    default:
        return QAccessibleWidget::text(t);
    }
}

int BoardAccessible::childCount() const
{
    const BoardReading *b = board();
    return b ? b->rows() * b->cols() : 0;
}

QAccessibleInterface *BoardAccessible::child(int index) const
{
    const BoardReading *b = board();
    if (!b || index < 0 || index >= childCount())
        return nullptr;
    return cellAt(index / b->cols() + 1, index % b->cols() + 1);
}

int BoardAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    const BoardReading *b = board();
    const auto *tile = child ? qobject_cast<const tcl *>(child->object()) : nullptr;
    if (!b || !tile || tile->Row() > b->rows() || tile->Col() > b->cols())
        return -1;
    return (tile->Row() - 1) * b->cols() + tile->Col() - 1;
}

QAccessibleInterface *BoardAccessible::focusChild() const
{
    const BoardReading *b = board();
    if (!b || !b->cueShown())
        return nullptr;
    for (int r = 1; r <= b->rows(); ++r) {
        for (int c = 1; c <= b->cols(); ++c) {
            if (b->cueOn(r, c))
                return cellAt(r, c);
        }
    }
    return nullptr;
}

QAccessibleInterface *BoardAccessible::cellAt(int row, int col) const
{
    const BoardReading *b = board();
    if (!b || row < 1 || col < 1 || row > b->rows() || col > b->cols())
        return nullptr;
    return QAccessible::queryAccessibleInterface(b->tile(row, col));
}
