#include "PreferencesKeeper.h"

#include "base/Messages.h"
#include "settings/JsonFile.h"
#include "settings/PreferencesFile.h"

#include <QDir>

PreferencesKeeper::PreferencesKeeper(QString folder) : m_folder(std::move(folder)) {}

void PreferencesKeeper::load()
{
    m_preferences = PreferencesFile(m_folder).load();
}

void PreferencesKeeper::change(const std::function<void(Preferences &)> &edit)
{
    edit(m_preferences);
    const PreferencesFile file(m_folder);
    try {
        const QString copy = file.update(edit);
        m_failureTold = false;
        if (!copy.isEmpty())
            Messages::show(JsonFile::setAsideText(file.path(), copy));
    } catch (const std::exception &e) {
        if (m_failureTold)
            return;
        m_failureTold = true;
        Messages::show(tr("Выбор не удалось сохранить в файле %1: %2. Он действует до выхода из игры.")
                           .arg(QDir::toNativeSeparators(file.path()), QString::fromUtf8(e.what())));
    }
}
