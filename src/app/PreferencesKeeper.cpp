#include "PreferencesKeeper.h"

#include "settings/PreferencesFile.h"

PreferencesKeeper::PreferencesKeeper(QString folder) : m_folder(std::move(folder)) {}

void PreferencesKeeper::load()
{
    m_preferences = PreferencesFile(m_folder).load();
}

void PreferencesKeeper::change(const std::function<void(Preferences &)> &edit)
{
    edit(m_preferences);
    PreferencesFile(m_folder).store(m_preferences);
}
