#pragma once

#include "StoreReport.h"
#include "settings/Preferences.h"

#include <QCoreApplication>
#include <QString>

#include <functional>

// The player's choices kept in "Preferences.json" beside the record: read
// at start-up, and each change stored the moment it is made, since Выход
// stores nothing. A new choice is a field of Preferences and a key of
// PreferencesFile; this class needs no change for it.
class PreferencesKeeper
{
    Q_DECLARE_TR_FUNCTIONS(PreferencesKeeper)

public:
    explicit PreferencesKeeper(QString folder);

    // Reads the file, as at start-up. Never throws.
    void load();
    const Preferences &preferences() const { return m_preferences; }

    // Makes a change of the player's choices and stores just that change in
    // the file as it is now, so a choice another copy of the game made
    // meanwhile is kept. The change stays in force for this run even where
    // it cannot be stored: the player is told once why it will not be
    // remembered, and again only after a store that succeeded.
    void change(const std::function<void(Preferences &)> &edit);

private:
    QString m_folder;
    Preferences m_preferences;
    StoreReport m_report;
};
