#include "e2e/Desktop.h"
#include "music/SoundServer.h"
#include "settings/SettingsFile.h"

#include <QDir>
#include <QTest>

// The end of a session: SIGTERM, as a session or service manager sends it at
// logout, stores the record the close box would have stored, then ends the
// game; idle, and with music playing through a sound server of the test's
// own and the settings page open. Exits 77 (skipped) when the server or its
// tools are not installed.
class tst_e2e_session : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sigtermStoresAsTheCloseBox();

private:
    static bool musicPlays(qint64 pid);
};

bool tst_e2e_session::musicPlays(qint64 pid)
{
    // The player's streaming threads are named after their element and pad.
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    for (const QString &task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile comm(tasks.filePath(task + QStringLiteral("/comm")));
        if (comm.open(QIODevice::ReadOnly) && comm.readAll().contains(':'))
            return true;
    }
    return false;
}

void tst_e2e_session::sigtermStoresAsTheCloseBox()
{
    SoundServer server; // before the game, which takes its environment
    QVERIFY(server.start());
    Desktop desktop;
    // A remembered song: a second of tone.
    const QString song = QDir(desktop.folder()).filePath(QStringLiteral("song.wav"));
    Desktop::run(QStringLiteral("gst-launch-1.0"),
                 {QStringLiteral("-q"), QStringLiteral("audiotestsrc"), QStringLiteral("num-buffers=100"),
                  QStringLiteral("samplesperbuffer=441"), QStringLiteral("!"), QStringLiteral("wavenc"),
                  QStringLiteral("!"), QStringLiteral("filesink"), QStringLiteral("location=") + song});
    QVERIFY(QFile::exists(song));
    TGameSettings withSong;
    withSong.MusicFile.assignPath(song);
    withSong.MusicDir.assignPath(desktop.folder());
    desktop.writeDbData(withSong.toBytes());

    const QRect places[] = {{120, 90, 640, 460}, {200, 60, 700, 500}};
    QByteArray before;
    for (const bool busy : {false, true}) {
        const QRect place = places[busy];
        QVERIFY(desktop.start());
        desktop.moveResize(place);
        if (busy) {
            // Музыка ▸ Начать воспроизведение, then Настройки, from the keyboard.
            desktop.key(QStringLiteral("alt"));
            for (int i = 0; i < 3; ++i)
                desktop.key(QStringLiteral("Right"));
            desktop.key(QStringLiteral("Down"));
            desktop.key(QStringLiteral("Down"));
            desktop.key(QStringLiteral("Return"));
            QVERIFY(Desktop::waitFor([&] { return musicPlays(desktop.processId()); }));
            desktop.key(QStringLiteral("alt"));
            desktop.key(QStringLiteral("Right"));
            desktop.key(QStringLiteral("Return"));
            const QRect client = desktop.clientGeometry();
            QVERIFY(Desktop::waitFor([&] {
                const QImage shot = desktop.screenshot();
                for (int y = client.top(); y < client.bottom(); ++y)
                    if (shot.pixel(client.left() + 4, y) == qRgb(0, 0x80, 0x80))
                        return true; // the settings page's teal
                return false;
            }));
        }
        before = desktop.readDbData();
        desktop.terminate();
        QVERIFY(desktop.waitForExit());
        QCOMPARE(desktop.exitCode(), 0);
        const QByteArray ended = desktop.readDbData();
        QCOMPARE(ended.size(), 568);
        QVERIFY(SettingsFile::parse(ended).has_value());
        QVERIFY2(ended.mid(12, 16) != before.mid(12, 16), "the placement was not stored");

        // The close box, in the same place, stores the same record.
        QVERIFY(desktop.start());
        desktop.moveResize(place);
        desktop.closeWindow();
        QVERIFY(desktop.waitForExit());
        QCOMPARE(desktop.readDbData(), ended);
    }
    // Nothing but the game, its song and its record.
    QCOMPARE(QDir(desktop.folder()).entryList(QDir::Files),
             (QStringList{QStringLiteral("DbData"), QStringLiteral("song.wav"), QStringLiteral("tilimi")}));
}

int main(int argc, char *argv[])
{
    return runWithSoundServer<QGuiApplication, tst_e2e_session>(argc, argv);
}

#include "tst_e2e_session.moc"
