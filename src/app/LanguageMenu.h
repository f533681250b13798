#pragma once

#include <QObject>
#include <QString>

class PreferencesKeeper;
class QAction;
class QActionGroup;
class QMenu;

// Игра ▸ Язык (Language): an item per language, named in that language, the
// chosen one checked, and a note that a choice takes effect at the next
// start. A choice is stored in the preferences at once; the texts of this
// run stay as they are.
class LanguageMenu : public QObject
{
    Q_OBJECT

public:
    // The submenu goes into menu above before; chosen is the language in force.
    LanguageMenu(QMenu *menu, QAction *before, const QString &chosen, PreferencesKeeper &preferences);

    QMenu *menu() const { return m_menu; }
    // The item of a language, null for one the game does not speak.
    QAction *item(const QString &language) const;

private:
    QMenu *m_menu;
    QActionGroup *m_items;
};
