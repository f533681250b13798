#include "LanguageMenu.h"

#include "PreferencesKeeper.h"
#include "Translation.h"
#include "base/Messages.h"
#include "base/ObjectName.h"

#include <QActionGroup>
#include <QMenu>

LanguageMenu::LanguageMenu(QMenu *menu, QAction *before, const QString &chosen, PreferencesKeeper &preferences)
    : QObject(menu), m_menu(new QMenu(tr("Язык (Language)"), menu)), m_items(new QActionGroup(this))
{
    m_menu->setObjectName(QStringLiteral("language"));
    menu->insertMenu(before, m_menu);
    const QString checked = Translation::languages().contains(chosen) ? chosen : Translation::Russian;
    for (const QString &language : Translation::languages()) {
        QAction *item = m_menu->addAction(Translation::nativeName(language));
        item->setObjectName(language);
        item->setCheckable(true);
        item->setChecked(language == checked);
        item->setData(language);
        m_items->addAction(item);
    }
    m_menu->addSeparator();
    named(m_menu->addAction(tr("Язык сменится при следующем запуске игры")), "note")->setEnabled(false);
    // The check stays on the new choice even where it could not be stored:
    // the keeper says why it will not be remembered.
    connect(m_items, &QActionGroup::triggered, this, [&preferences](QAction *item) {
        Messages::guard([&] {
            preferences.change([&](Preferences &p) { p.Language = item->data().toString(); });
        });
    });
}

QAction *LanguageMenu::item(const QString &language) const
{
    for (QAction *a : m_items->actions()) {
        if (a->data().toString() == language)
            return a;
    }
    return nullptr;
}
