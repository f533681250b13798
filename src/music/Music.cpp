#include "Music.h"

#include "ENoSoundOutput.h"
#include "MusicChooser.h"
#include "OpenDialogChooser.h"
#include "base/Messages.h"
#include "base/ObjectName.h"
#include "settings/TGameSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>

QString Music::openFailedMessage()
{
    return tr("Не удалось открыть файл. Возможно расширение его имени не соответствует "
              "формату, в котором он сохранен.");
}

QString Music::noOutputMessage()
{
    return tr("Не удалось вывести звук. Возможно звуковая система не запущена или устройство "
              "вывода отключено.");
}

Music::Music(TGameSettings &settings, QMenu *menu, QWidget *window, const QString &audioSink,
             MusicChooser *chooser)
    : MediaPlayer1(audioSink), m_settings(settings), m_window(window), m_chooser(chooser)
{
    if (!m_chooser) {
        m_ownChooser = std::make_unique<OpenDialogChooser>();
        m_chooser = m_ownChooser.get();
    }
    N14 = named(menu->addAction(tr("Выбрать музыкальный файл")), "N14");
    N20 = named(menu->addAction(tr("Начать воспроизведение")), "N20");
    N22 = named(menu->addAction(tr("Закончить воспроизведение")), "N22");
    connect(menu, &QMenu::aboutToShow, this, &Music::N13Click);
    connect(N14, &QAction::triggered, this, &Music::N14Click);
    connect(N20, &QAction::triggered, this, &Music::N20Click);
    // Finish and the replay have no guard of their own: an error there
    // reaches the generic box.
    connect(N22, &QAction::triggered, this, Messages::guarded([this] { N22Click(); }));
    connect(&MediaPlayer1, &TMediaPlayer::Notify, this, &Music::MediaPlayer1Notify);
    connect(&MediaPlayer1, &TMediaPlayer::OutputFailed, this, &Music::MediaPlayer1OutputFailed);
    connect(&TmNotify, &GameTimer::timeout, this, Messages::guarded([this] { TmNotifyTimer(); }));
}

Music::~Music() = default;

void Music::N13Click()
{
    const bool playing = MediaPlayer1.Tag() != 0;
    N20->setVisible(!playing);
    N22->setVisible(playing);
    // A folder does not count, and an empty name never does.
    if (!QFileInfo(m_settings.MusicFile.path()).isFile())
        N20->setVisible(false);
}

void Music::N14Click()
{
    MediaPlayer1.setTag(0);
    try {
        MediaPlayer1.Stop();
        MediaPlayer1.Close();
    } catch (const std::exception &) {
        // Nothing was open: there is nothing to stop.
    }
    const QString dir = m_settings.MusicDir.path();
    if ((dir.isEmpty() || !QDir::setCurrent(dir)) && !m_firstFolder.isEmpty())
        QDir::setCurrent(m_firstFolder);
    const QString startedIn = QDir::currentPath();
    QString path;
    if (!m_chooser->choose(m_window, path))
        return;
    try {
        MediaPlayer1.setFileName(path);
        MediaPlayer1.Open();
        MediaPlayer1.Play();
        MediaPlayer1.setTag(1);
        m_settings.MusicDir.assignPath(QDir::currentPath());
        m_settings.MusicFile.assignPath(path);
    } catch (const ENoSoundOutput &e) {
        // The file is sound; only the output is missing. The choice is kept,
        // so Start plays it once the output is back.
        m_settings.MusicDir.assignPath(QDir::currentPath());
        m_settings.MusicFile.assignPath(path);
        showOpenFailure(e);
    } catch (const std::exception &e) {
        // The chooser made the file's folder current; a file that does not
        // play must not move the next dialog there.
        QDir::setCurrent(startedIn);
        showOpenFailure(e);
    }
}

void Music::N20Click()
{
    try {
        MediaPlayer1.setFileName(m_settings.MusicFile.path());
        MediaPlayer1.Open();
        MediaPlayer1.Play();
        MediaPlayer1.setTag(1);
    } catch (const std::exception &e) {
        showOpenFailure(e);
    }
}

void Music::showOpenFailure(const std::exception &e)
{
    Messages::show(dynamic_cast<const ENoSoundOutput *>(&e) ? noOutputMessage() : openFailedMessage());
}

void Music::N22Click()
{
    MediaPlayer1.setTag(0);
    MediaPlayer1.Stop();
    MediaPlayer1.Close();
}

void Music::MediaPlayer1Notify()
{
    // Whatever the kind: with the flag down the timer runs out without effect.
    TmNotify.setEnabled(true);
}

void Music::MediaPlayer1OutputFailed()
{
    // Nothing is heard, and nothing would be until the file is opened again:
    // the menu offers Start once more instead of Finish over silence, and the
    // player is told once. The music does not come back by itself.
    if (!MediaPlayer1.isOpen())
        return;
    MediaPlayer1.setTag(0);
    MediaPlayer1.Close();
    Messages::show(noOutputMessage());
}

void Music::TmNotifyTimer()
{
    TmNotify.setEnabled(false);
    if (MediaPlayer1.Tag() == 1)
        MediaPlayer1.Play();
}
