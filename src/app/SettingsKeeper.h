#pragma once

#include <QString>

class QCloseEvent;
class TGameSettings;
class WindowPlacement;

// Stores the settings record, with the window's placement, into "DbData": at
// the close box, when the session manager asks to save, and at the end of
// the session. Once Выход or the end of the session has begun nothing more
// is stored.
class SettingsKeeper
{
public:
    // folder: the folder of "DbData", read at each store.
    SettingsKeeper(TGameSettings &settings, WindowPlacement &placement, const QString &folder);

    // The close box: accepts the event once stored. A failure to store keeps
    // the window open with the reason in the box.
    void close(QCloseEvent *event);
    // The session manager asks to save (a checkpoint, or the first step of a
    // logout, which its own message to die ends): the game plays on. A
    // failure is only logged: a box would hold up the session.
    void commitData();
    // The end of the session (SIGTERM or SIGHUP): stores as commitData, once,
    // and ends the program.
    void endSession();
    // Игра ▸ Выход: ends the program without storing.
    void exit();

private:
    void store();

    TGameSettings &m_settings;
    WindowPlacement &m_placement;
    const QString &m_folder;
    bool m_exiting = false; // Выход, or the end of the session, has begun
};
