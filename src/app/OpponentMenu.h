#pragma once

#include "game/Match.h"

#include <QObject>

#include <array>

class PreferencesKeeper;
class QAction;
class QMenu;

// Игра ▸ Соперник: who plays against the player from the next deal on:
// nobody (the solitaire), the computer at one of three strengths, or a
// second player at the same screen. One item is checked at a time.
class OpponentMenu : public QObject
{
    Q_OBJECT

public:
    // Adds the submenu to menu, before the item before.
    OpponentMenu(QMenu *menu, QAction *before);

    QMenu *menu() const { return m_menu; }
    QAction *item(Match::Opponent opponent) const { return m_items[opponent]; }
    void setChosen(Match::Opponent opponent);
    // From now on a choice goes to the match and is stored at once among the
    // preferences.
    void serve(Match &match, PreferencesKeeper &preferences);
    // The stored choice, checked and given to the match, as at start-up.
    void restore();

Q_SIGNALS:
    void chosen(Match::Opponent opponent);

private:
    QMenu *m_menu;
    Match *m_match = nullptr;
    PreferencesKeeper *m_preferences = nullptr;
    std::array<QAction *, Match::Opponents> m_items{};
};
