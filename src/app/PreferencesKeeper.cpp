#include "PreferencesKeeper.h"

#include "base/Messages.h"
#include "settings/PreferencesFile.h"


PreferencesKeeper::PreferencesKeeper(QString folder)
    : m_folder(std::move(folder)), m_report([](const QString &text) { Messages::show(text); })
{
}

void PreferencesKeeper::load()
{
    m_preferences = PreferencesFile(m_folder).load();
}

void PreferencesKeeper::change(const std::function<void(Preferences &)> &edit)
{
    edit(m_preferences);
    const PreferencesFile file(m_folder);
    m_report.run(file.path(), [&] { return file.update(edit); },
                 tr("Выбор не удалось сохранить в файле %1: %2. Он действует до выхода из игры."));
}
