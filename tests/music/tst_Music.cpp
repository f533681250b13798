#include "Doubles.h"
#include "SoundFiles.h"
#include "base/Messages.h"
#include "music/Music.h"
#include "music/MusicChooser.h"
#include "settings/TGameSettings.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(TMPNotifyValue)

namespace {

struct Fixture
{
    TGameSettings settings;
    QMenu menu;
    ScriptedMusic chooser;
    Music music{settings, &menu, nullptr, QStringLiteral("fakesink sync=true"), &chooser};
    MessageCapture captured;
    QStringList &messages = captured.texts;

    QStringList shown()
    {
        music.N13Click();
        QStringList items;
        for (QAction *a : {part<QAction>(&menu, "N14"), part<QAction>(&menu, "N20"), part<QAction>(&menu, "N22")})
            if (a->isVisible())
                items << a->text();
        return items;
    }
};

const QString Choose = QStringLiteral("Выбрать музыкальный файл");
const QString Start = QStringLiteral("Начать воспроизведение");
const QString Finish = QStringLiteral("Закончить воспроизведение");

} // namespace

class tst_Music : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void menuOffersWhatCanBeDone();
    void chooseStartsAndRemembers();
    void cancellingWhilePlayingStopsTheMusic();
    void choosingThePlayingFileStartsItAgain();
    void unplayableFileShowsTheMessage();
    void loopsWithASecondOfSilence();
    void finishArmsATimerThatDoesNothing();
    void aSecondNoticeDoesNotPostponeTheReplay();
    void longPathsAreRememberedCut();
    void startedAgainWithinASecondOfFinish();

private:
    SoundFiles m_files;
    QString m_wav;
    QString m_mp3;
};

void tst_Music::initTestCase()
{
    qRegisterMetaType<TMPNotifyValue>();
    m_wav = m_files.wav(QStringLiteral("loop.wav"), 400);
    m_mp3 = m_files.mp3(QStringLiteral("song.mp3"), 400);
}

void tst_Music::menuOffersWhatCanBeDone()
{
    Fixture f;
    QCOMPARE(f.shown(), QStringList{Choose}); // first run
    f.settings.MusicFile.assignPath(m_wav);
    QCOMPARE(f.shown(), (QStringList{Choose, Start}));
    f.settings.MusicFile.assignPath(m_files.folder()); // a folder does not count
    QCOMPARE(f.shown(), QStringList{Choose});
    f.settings.MusicFile.assignPath(m_files.path(QStringLiteral("deleted.mp3")));
    QCOMPARE(f.shown(), QStringList{Choose});
    f.settings.MusicFile.assignPath(m_wav);
    f.music.N20Click();
    QCOMPARE(f.music.mediaPlayer1().Tag(), 1);
    QCOMPARE(f.shown(), (QStringList{Choose, Finish}));
    f.music.N22Click();
    QCOMPARE(f.shown(), (QStringList{Choose, Start}));
}

void tst_Music::chooseStartsAndRemembers()
{
    Fixture f;
    f.settings.MusicDir.assignPath(QDir::tempPath());
    f.chooser.answers = {m_mp3};
    f.music.N14Click();
    QCOMPARE(f.chooser.startedIn, QDir(QDir::tempPath()).canonicalPath());
    QVERIFY(f.messages.isEmpty());
    QCOMPARE(f.music.mediaPlayer1().Tag(), 1);
    QVERIFY(f.music.mediaPlayer1().isPlaying());
    QCOMPARE(f.settings.MusicFile.path(), m_mp3);
    QCOMPARE(f.settings.MusicDir.path(), QDir::currentPath());
    QCOMPARE(QDir(f.settings.MusicDir.path()).canonicalPath(), QDir(m_files.folder()).canonicalPath());

    // An installed copy's chooser opens in the player's music folder until a
    // file has been chosen, then in that file's folder.
    Fixture installed;
    QTemporaryDir musicFolder;
    installed.music.setFirstFolder(musicFolder.path());
    installed.chooser.answers = {m_mp3, QString()};
    installed.music.N14Click();
    QCOMPARE(installed.chooser.startedIn, QDir(musicFolder.path()).canonicalPath());
    installed.music.N14Click();
    QCOMPARE(installed.chooser.startedIn, QDir(m_files.folder()).canonicalPath());
}

void tst_Music::cancellingWhilePlayingStopsTheMusic()
{
    Fixture f;
    f.chooser.answers = {m_wav, QString()};
    f.music.N14Click();
    const TGameSettings before = f.settings;
    f.music.N14Click();
    QCOMPARE(f.music.mediaPlayer1().Tag(), 0);
    QVERIFY(!f.music.mediaPlayer1().isOpen());
    QVERIFY(f.settings == before);
    QTest::qWait(1200); // the stop's notice runs out without effect
    QVERIFY(!f.music.mediaPlayer1().isOpen());
}

void tst_Music::choosingThePlayingFileStartsItAgain()
{
    Fixture f;
    f.chooser.answers = {m_wav, m_wav};
    f.music.N14Click();
    QTest::qWait(250);
    QVERIFY(f.music.mediaPlayer1().Position() > 100);
    f.music.N14Click();
    QVERIFY(f.music.mediaPlayer1().Position() < 100);
    QVERIFY(f.music.mediaPlayer1().isPlaying());
}

void tst_Music::unplayableFileShowsTheMessage()
{
    Fixture f;
    QFile text(m_files.path(QStringLiteral("notes.txt")));
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("la la la");
    text.close();
    f.chooser.answers = {m_wav, text.fileName()};
    f.music.N14Click();
    const TGameSettings remembered = f.settings;
    f.music.N14Click();
    QCOMPARE(f.messages, QStringList{Music::openFailedMessage()});
    QCOMPARE(f.music.mediaPlayer1().Tag(), 0);
    QVERIFY(!f.music.mediaPlayer1().isOpen()); // the previous music stays stopped
    QVERIFY(f.settings == remembered);

    // Start with a remembered file that has since become unplayable.
    f.settings.MusicFile.assignPath(text.fileName());
    f.music.N20Click();
    QCOMPARE(f.messages.size(), 2);
    QCOMPARE(f.music.mediaPlayer1().Tag(), 0);

    // Before any choice succeeded: the next dialog opens where the failed
    // one did, not in the failed file's folder.
    Fixture first;
    QDir::setCurrent(QDir::tempPath());
    first.chooser.answers = {text.fileName(), QString()};
    first.music.N14Click();
    first.music.N14Click();
    QCOMPARE(first.chooser.startedIn, QDir(QDir::tempPath()).canonicalPath());
}

void tst_Music::loopsWithASecondOfSilence()
{
    Fixture f;
    QSignalSpy notices(&f.music.mediaPlayer1(), &TMediaPlayer::Notify);
    f.chooser.answers = {m_wav};
    f.music.N14Click();
    QElapsedTimer clock;
    clock.start();
    QList<qint64> ends;
    QList<qint64> restarts;
    while (ends.size() < 3 && clock.elapsed() < 10000) {
        QTest::qWait(10);
        if (notices.size() > ends.size()) {
            ends << clock.elapsed();
            QCOMPARE(notices.last().first().value<TMPNotifyValue>(), TMPNotifyValue::nvSuccessful);
        }
        if (restarts.size() < ends.size() && f.music.mediaPlayer1().isPlaying())
            restarts << clock.elapsed();
    }
    QCOMPARE(ends.size(), 3);
    for (int i = 0; i + 1 < restarts.size(); ++i) {
        const qint64 silence = restarts[i] - ends[i];
        qInfo("silence between loops: %lld ms", silence);
        QVERIFY(silence >= 980 && silence <= 1500);
    }
}

void tst_Music::finishArmsATimerThatDoesNothing()
{
    Fixture f;
    f.chooser.answers = {m_wav};
    f.music.N14Click();
    f.music.N22Click();
    QVERIFY(!f.music.mediaPlayer1().isOpen());
    QTRY_VERIFY(f.music.tmNotify().isEnabled()); // the aborted request's notice
    QTRY_VERIFY_WITH_TIMEOUT(!f.music.tmNotify().isEnabled(), 2000);
    QVERIFY(!f.music.mediaPlayer1().isOpen());
    QVERIFY(f.messages.isEmpty());
}

void tst_Music::aSecondNoticeDoesNotPostponeTheReplay()
{
    Fixture f;
    f.chooser.answers = {m_wav};
    f.music.N14Click();
    QTRY_VERIFY_WITH_TIMEOUT(f.music.tmNotify().isEnabled(), 3000);
    QElapsedTimer clock;
    clock.start();
    QTest::qWait(400);
    f.music.MediaPlayer1Notify(); // another notice while the timer runs
    QTRY_VERIFY_WITH_TIMEOUT(!f.music.tmNotify().isEnabled(), 2000);
    QVERIFY2(clock.elapsed() < 1350, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(f.music.mediaPlayer1().isPlaying());
}

void tst_Music::longPathsAreRememberedCut()
{
    // 256 to 259 characters: it plays, and the first 255 are remembered.
    Fixture f;
    QString dir = m_files.folder() + QLatin1Char('/');
    const int length = 259;
    const QString name = QString(length - dir.size() - 4, QLatin1Char('n')) + QStringLiteral(".wav");
    const QString path = dir + name;
    QCOMPARE(path.size(), length);
    QVERIFY(QFile::copy(m_wav, path));
    f.chooser.answers = {path};
    f.music.N14Click();
    QVERIFY(f.messages.isEmpty());
    QCOMPARE(f.music.mediaPlayer1().Tag(), 1);
    QCOMPARE(f.settings.MusicFile.path(), path.left(255));
    QCOMPARE(f.shown(), (QStringList{Choose, Finish}));
    f.music.N22Click();
    QCOMPARE(f.shown(), QStringList{Choose}); // no file of the cut name
}

void tst_Music::startedAgainWithinASecondOfFinish()
{
    // The stop's notice arms the timer while the flag is down; the flag is up
    // when it fires, so the music now playing is asked to play again: it goes
    // on from where it is, and the replaced request arms the timer once more.
    Fixture f;
    const QString longer = m_files.wav(QStringLiteral("longer.wav"), 2500);
    f.settings.MusicFile.assignPath(longer);
    f.music.N20Click();
    f.music.N22Click();
    QTRY_VERIFY(f.music.tmNotify().isEnabled());
    f.music.N20Click();
    QSignalSpy notices(&f.music.mediaPlayer1(), &TMediaPlayer::Notify);
    // The replay asks the playing music to play: the pending request is
    // superseded, and the music goes on from where it was.
    QVERIFY(notices.wait(1500));
    QCOMPARE(notices.first().first().value<TMPNotifyValue>(), TMPNotifyValue::nvSuperseded);
    const qint64 position = f.music.mediaPlayer1().Position();
    QVERIFY2(position > 300, qPrintable(QString::number(position)));
    QVERIFY(f.music.tmNotify().isEnabled());
    QVERIFY(f.music.mediaPlayer1().isPlaying());
    f.music.N22Click();
}

QTEST_MAIN(tst_Music)
#include "tst_Music.moc"
