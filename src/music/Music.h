#pragma once

#include "TMediaPlayer.h"
#include "base/GameTimer.h"

#include <QObject>

#include <exception>

struct TGameSettings;
class MusicChooser;
class QAction;
class QMenu;
class QWidget;

// Background music: Choose, Start and Finish in the Music menu (N13), the replay a
// second after each end of a play request while the play flag is up, and
// the remembered file in the settings.
class Music : public QObject
{
    Q_OBJECT

public:
    static QString openFailedMessage();
    static QString noOutputMessage();

    // menu: the Music menu, which gets the three commands. chooser: empty
    // for the open-file dialog.
    Music(TGameSettings &settings, QMenu *menu, QWidget *window, const QString &audioSink,
          MusicChooser *chooser);
    ~Music() override;

    void N13Click(); // opening the Music menu: Start or Finish, whichever fits
    void N14Click(); // "Выбрать музыкальный файл": choose a file and play it
    void N20Click(); // "Начать воспроизведение": play the remembered file
    void N22Click(); // "Закончить воспроизведение": stop
    void MediaPlayer1Notify(); // a play request ended: the replay is due in a second
    void TmNotifyTimer();      // the replay, while the play flag is up
    void MediaPlayer1OutputFailed(); // the sound output went while a file was open

    // Where the chooser opens while no music has been chosen, or the folder
    // of the music chosen last is gone; empty: the current folder.
    void setFirstFolder(const QString &folder) { m_firstFolder = folder; }

    const TMediaPlayer &mediaPlayer1() const { return MediaPlayer1; }
    const GameTimer &tmNotify() const { return TmNotify; }

private:
    void showOpenFailure(const std::exception &e);

    TMediaPlayer MediaPlayer1;  // the player; its Tag is the play flag
    GameTimer TmNotify{1000};   // one second after a play request ends: the replay
    QAction *N14;               // Музыка ▸ Выбрать музыкальный файл
    QAction *N20;               // Музыка ▸ Начать воспроизведение
    QAction *N22;               // Музыка ▸ Закончить воспроизведение

    TGameSettings &m_settings;
    QWidget *m_window;
    std::unique_ptr<MusicChooser> m_ownChooser;
    MusicChooser *m_chooser;
    QString m_firstFolder;
};
