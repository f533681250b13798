#include "OpponentMenu.h"

#include "base/ObjectName.h"

#include <QActionGroup>
#include <QMenu>

OpponentMenu::OpponentMenu(QMenu *menu, QAction *before) : QObject(menu)
{
    m_menu = named(new QMenu(tr("Соперник"), menu), "opponent");
    menu->insertMenu(before, m_menu);
    m_menu->setToolTipsVisible(true);
    const QString when = tr("Выбор вступает в силу со следующей раздачи.");
    m_menu->menuAction()->setToolTip(when);
    m_menu->menuAction()->setStatusTip(when);
    const QString texts[Match::Opponents] = {tr("Без соперника"), tr("Компьютер: лёгкий"),
                                             tr("Компьютер: средний"), tr("Компьютер: сильный"),
                                             tr("Второй игрок")};
    const char *const names[Match::Opponents] = {"nobody", "computerEasy", "computerMedium",
                                                 "computerStrong", "secondPlayer"};
    auto *group = new QActionGroup(this);
    for (int i = 0; i < Match::Opponents; ++i) {
        QAction *item = m_menu->addAction(texts[i]);
        item->setObjectName(QLatin1String(names[i]));
        item->setCheckable(true);
        item->setToolTip(when);
        group->addAction(item);
        connect(item, &QAction::triggered, this, [this, i] { Q_EMIT chosen(Match::Opponent(i)); });
        m_items[i] = item;
    }
    m_items[Match::Nobody]->setChecked(true);
}

void OpponentMenu::setChosen(Match::Opponent opponent)
{
    m_items[opponent]->setChecked(true);
}
