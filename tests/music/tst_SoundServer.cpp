// The music through a real sound server that the test starts, stops and
// starts again, heard at the server's null sink. Exits 77 (skipped) when the
// server or its tools are not installed.

#include "Doubles.h"
#include "SoundFiles.h"
#include "SoundServer.h"
#include "music/Music.h"
#include "settings/TGameSettings.h"

#include <QAction>
#include <QMenu>

namespace {

// The game's own output: whatever the desktop offers.
const QString DesktopSink = QStringLiteral("autoaudiosink");

struct Fixture
{
    TGameSettings settings;
    QMenu menu;
    ScriptedMusic chooser;
    Music music{settings, &menu, nullptr, DesktopSink, &chooser};
    MessageCapture captured;
    QStringList &messages = captured.texts;

    bool offersFinish()
    {
        music.N13Click();
        return part<QAction>(&menu, "N22")->isVisible() && !part<QAction>(&menu, "N20")->isVisible();
    }
    bool offersStart()
    {
        music.N13Click();
        return part<QAction>(&menu, "N20")->isVisible() && !part<QAction>(&menu, "N22")->isVisible();
    }
};

// The output's own buffer lies between a start and the first sound heard.
void waitForTheOutput()
{
    QTest::qWait(300);
}

} // namespace

class tst_SoundServer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void heardWhilePlayingSilentAfterFinish();
    void serverLostWhilePlaying();
    void serverLostBetweenLoops();
    void deviceRemovedWhilePlaying();
    void noServerWhenStartingOrChoosing();

private:
    SoundServer m_server;
    SoundFiles m_files;
    QString m_song;
};

void tst_SoundServer::initTestCase()
{
    QVERIFY(m_server.start());
    m_song = m_files.wav(QStringLiteral("song.wav"), 3000);
}

void tst_SoundServer::heardWhilePlayingSilentAfterFinish()
{
    Fixture f;
    f.settings.MusicFile.assignPath(m_song);
    f.music.N20Click();
    QVERIFY(f.offersFinish());
    waitForTheOutput();
    QVERIFY(m_server.record(500).isTheTone());
    f.music.N22Click();
    waitForTheOutput();
    QVERIFY(m_server.record(400).isSilence());
    QVERIFY(f.messages.isEmpty());
}

void tst_SoundServer::serverLostWhilePlaying()
{
    // Told once; the menu offers Start again, which plays once the server is back.
    Fixture f;
    f.settings.MusicFile.assignPath(m_song);
    f.music.N20Click();
    waitForTheOutput();
    QVERIFY(m_server.record(300).isTheTone());
    m_server.stop();
    QTRY_COMPARE_WITH_TIMEOUT(f.messages, QStringList{Music::noOutputMessage()}, 5000);
    QVERIFY(!f.offersFinish());
    QVERIFY(!f.music.mediaPlayer1().isOpen());
    QTest::qWait(1500); // the failed request's replay comes to nothing
    QCOMPARE(f.messages.size(), 1);
    QVERIFY(m_server.start());
    f.music.N20Click();
    QVERIFY(f.offersFinish());
    waitForTheOutput();
    QVERIFY(m_server.record(300).isTheTone());
    f.music.N22Click();
}

void tst_SoundServer::serverLostBetweenLoops()
{
    // Lost in the second between the end and the replay, which then fails.
    Fixture f;
    f.settings.MusicFile.assignPath(m_files.wav(QStringLiteral("short.wav"), 200));
    f.music.N20Click();
    QTRY_VERIFY_WITH_TIMEOUT(f.music.tmNotify().isEnabled(), 3000);
    m_server.stop();
    QTRY_COMPARE_WITH_TIMEOUT(f.messages, QStringList{Music::noOutputMessage()}, 5000);
    QVERIFY(!f.offersFinish());
    QVERIFY(m_server.start());
}

void tst_SoundServer::deviceRemovedWhilePlaying()
{
    Fixture f;
    f.settings.MusicFile.assignPath(m_song);
    f.music.N20Click();
    QVERIFY(f.offersFinish());
    QVERIFY(m_server.removeSink());
    QTRY_COMPARE_WITH_TIMEOUT(f.messages, QStringList{Music::noOutputMessage()}, 5000);
    QVERIFY(!f.offersFinish());
    m_server.stop();
    QVERIFY(m_server.start());
}

void tst_SoundServer::noServerWhenStartingOrChoosing()
{
    Fixture f;
    f.settings.MusicFile.assignPath(m_song);
    m_server.stop();
    f.music.N20Click();
    QCOMPARE(f.messages, QStringList{Music::noOutputMessage()});
    QVERIFY(f.offersStart());
    QVERIFY(!f.music.mediaPlayer1().isOpen());

    const QString other = m_files.wav(QStringLiteral("other.wav"), 3000);
    f.chooser.answers = {other};
    f.music.N14Click();
    QCOMPARE(f.messages.size(), 2);
    QCOMPARE(f.messages.last(), Music::noOutputMessage());
    // The file is kept: Start plays it once the output is back.
    QCOMPARE(f.settings.MusicFile.path(), other);
    QVERIFY(f.offersStart());

    QVERIFY(m_server.start());
    f.music.N20Click();
    QVERIFY(f.offersFinish());
    waitForTheOutput();
    QVERIFY(m_server.record(300).isTheTone());
    f.music.N22Click();
}

int main(int argc, char *argv[])
{
    return runWithSoundServer<QApplication, tst_SoundServer>(argc, argv);
}

#include "tst_SoundServer.moc"
