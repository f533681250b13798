// The real game's music through a sound server of the test's own, driven
// from the Music menu with the keyboard. Exits 77 (skipped) when the server
// or its tools are not installed.

#include "e2e/Desktop.h"
#include "music/SoundFiles.h"
#include "music/SoundServer.h"
#include "settings/TGameSettings.h"

#include <QTest>

class tst_e2e_music : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startHeardFinishSilent();
};

void tst_e2e_music::startHeardFinishSilent()
{
    SoundServer server; // before the game, which takes its environment
    QVERIFY(server.start());
    SoundFiles files;
    Desktop desktop;
    TGameSettings s;
    s.WinLeft = 100;
    s.WinTop = 100;
    s.WinWidth = 640;
    s.WinHeight = 480;
    s.MusicFile.assignPath(files.wav(QStringLiteral("song.wav"), 4000));
    desktop.writeDbData(s.toBytes());
    QVERIFY(desktop.start());
    // The Music menu is the fourth; it offers Choose, then Start or Finish.
    const auto second = [&] {
        desktop.key(QStringLiteral("alt"));
        for (int i = 0; i < 3; ++i)
            desktop.key(QStringLiteral("Right"));
        desktop.key(QStringLiteral("Return"));
        desktop.pause(200);
        desktop.key(QStringLiteral("Down"));
        desktop.key(QStringLiteral("Return"));
    };
    second(); // Начать воспроизведение
    desktop.pause(600);
    QVERIFY(server.record(500).isTheTone());
    second(); // Закончить воспроизведение
    desktop.pause(400);
    QVERIFY(server.record(400).isSilence());
    desktop.closeWindow();
    QVERIFY(desktop.waitForExit());
}

int main(int argc, char *argv[])
{
    return runWithSoundServer<QGuiApplication, tst_e2e_music>(argc, argv);
}

#include "tst_e2e_music.moc"
