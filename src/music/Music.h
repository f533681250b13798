#pragma once

#include "TMediaPlayer.h"
#include "game/GameTimer.h"

#include <QObject>

struct TGameSettings;
class MusicChooser;
class QAction;
class QMenu;
class QWidget;

// Background music: Choose, Start and Finish in the Music menu, the replay a
// second after each end of a play request while the play flag is up, and
// the remembered file in the settings.
class Music : public QObject
{
    Q_OBJECT

public:
    static QString openFailedMessage();

    // menu: the Music menu, which gets the three commands. chooser: empty
    // for the open-file dialog.
    Music(TGameSettings &settings, QMenu *menu, QWidget *window, const QString &audioSink,
          MusicChooser *chooser);
    ~Music() override;

    void N13Click();
    void N14Click();
    void N20Click();
    void N22Click();
    void MediaPlayer1Notify();
    void TmNotifyTimer();

    TMediaPlayer MediaPlayer1;
    GameTimer TmNotify{1000};
    QAction *N14;
    QAction *N20;
    QAction *N22;

private:
    TGameSettings &m_settings;
    QWidget *m_window;
    std::unique_ptr<MusicChooser> m_ownChooser;
    MusicChooser *m_chooser;
};
