// The real game's music through a sound server of the test's own, driven
// from the Music menu with the keyboard. Exits 77 (skipped) when the server
// or its tools are not installed.

#include "e2e/Desktop.h"
#include "music/SoundFiles.h"
#include "music/SoundServer.h"
#include "settings/TGameSettings.h"

#include <QTest>

#include <cstdio>

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
    const SoundServer::Sound heard = server.record(500);
    qInfo("heard %d ms at %.1f dBFS, %.0f Hz", heard.ms, heard.dbfs, heard.hertz);
    QVERIFY(heard.dbfs > -8 && heard.dbfs < -3 && std::abs(heard.hertz - 440) < 20);
    second(); // Закончить воспроизведение
    desktop.pause(400);
    const SoundServer::Sound after = server.record(400);
    qInfo("then %d ms at %.1f dBFS", after.ms, after.dbfs);
    QVERIFY(after.ms > 0 && after.dbfs < -70);
    desktop.closeWindow();
    QVERIFY(desktop.waitForExit());
}

int main(int argc, char *argv[])
{
    const QString missing = SoundServer::missing();
    if (!missing.isEmpty()) {
        std::printf("SKIP: %s\n", qPrintable(missing));
        return 77;
    }
    QGuiApplication app(argc, argv);
    tst_e2e_music test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_e2e_music.moc"
