#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QAction;
class QActionGroup;
class QMenu;

// Игра ▸ Язык (Language): an item per language, named in that language, the
// chosen one checked, and a note that a choice takes effect at the next
// start. A choice is handed to store at once; the texts of this run stay.
class LanguageMenu : public QObject
{
    Q_OBJECT

public:
    using Store = std::function<void(const QString &language)>;

    // The submenu goes into menu before `before` (null: at its end).
    LanguageMenu(QMenu *menu, QAction *before, const QString &chosen, Store store);

    QMenu *menu() const { return m_menu; }
    // The item of a language, null for one the game does not speak.
    QAction *item(const QString &language) const;

private:
    QMenu *m_menu;
    QActionGroup *m_items;
};
