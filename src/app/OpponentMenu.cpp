#include "OpponentMenu.h"

#include "PreferencesKeeper.h"
#include "base/Messages.h"
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

void OpponentMenu::serve(Match &match, PreferencesKeeper &preferences)
{
    m_match = &match;
    m_preferences = &preferences;
    connect(this, &OpponentMenu::chosen, this, [this](Match::Opponent opponent) {
        m_match->choose(opponent);
        // The choice holds for this run even where it cannot be stored; the
        // box says why it will not be remembered.
        Messages::guard([&] { m_preferences->change([opponent](Preferences &p) { p.Opponent = opponent; }); });
    });
}

void OpponentMenu::restore()
{
    const int stored = m_preferences->preferences().Opponent;
    const auto opponent = Match::Opponent(stored >= 0 && stored < Match::Opponents ? stored : Match::Nobody);
    setChosen(opponent);
    m_match->choose(opponent);
}
