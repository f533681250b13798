#include "SettingsKeeper.h"

#include "WindowPlacement.h"
#include "base/Messages.h"
#include "settings/SettingsFile.h"

#include <QCloseEvent>
#include <QCoreApplication>

SettingsKeeper::SettingsKeeper(TGameSettings &settings, WindowPlacement &placement,
                               const QString &folder)
    : m_settings(settings), m_placement(placement), m_folder(folder)
{
}

void SettingsKeeper::store()
{
    m_placement.store(m_settings);
    SettingsFile(m_folder).store(m_settings);
}

void SettingsKeeper::close(QCloseEvent *event)
{
    if (m_exiting) {
        event->accept();
        return;
    }
    // The program ends with its last window: a signal now stores no more.
    try {
        store();
        m_exiting = true;
        event->accept();
    } catch (const std::exception &e) {
        event->ignore();
        Messages::show(QString::fromUtf8(e.what()));
    }
}

void SettingsKeeper::commitData()
{
    if (m_exiting)
        return;
    try {
        store();
    } catch (const std::exception &e) {
        qWarning("tilimi: the settings were not stored for the session: %s", e.what());
    }
}

void SettingsKeeper::endSession()
{
    if (m_exiting)
        return;
    commitData();
    m_exiting = true;
    QCoreApplication::exit(0);
}

void SettingsKeeper::exit()
{
    m_exiting = true;
    QCoreApplication::exit(0);
}
