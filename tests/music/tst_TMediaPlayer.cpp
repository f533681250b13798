#include "SoundFiles.h"
#include "music/EMCIDeviceError.h"
#include "music/TMediaPlayer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

#include <gst/gst.h>

Q_DECLARE_METATYPE(TMPNotifyValue)

namespace {
const QString TestSink = QStringLiteral("fakesink sync=true");

// The leak tracer of GStreamer, which counts objects and mini objects
// (messages, queries, caps, events, buffers) as they come and go.
GstTracer *leakTracer()
{
    GstTracer *found = nullptr;
    GList *tracers = gst_tracing_get_active_tracers();
    for (GList *t = tracers; t; t = t->next)
        if (!found && g_str_equal(G_OBJECT_TYPE_NAME(t->data), "GstLeaksTracer"))
            found = GST_TRACER(gst_object_ref(t->data));
    g_list_free_full(tracers, gst_object_unref);
    return found;
}

// Objects made less objects gone since the last checkpoint.
int madeLessGone(GstTracer *tracer)
{
    GstStructure *checkpoint = nullptr;
    g_signal_emit_by_name(tracer, "activity-get-checkpoint", &checkpoint);
    const int made = int(gst_value_list_get_size(gst_structure_get_value(checkpoint, "objects-created-list")));
    const int gone = int(gst_value_list_get_size(gst_structure_get_value(checkpoint, "objects-removed-list")));
    gst_structure_free(checkpoint);
    return made - gone;
}
}


class tst_TMediaPlayer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void opensWavAndMp3();
    void filmGivesItsSoundOnly();
    void unplayableFiles_data();
    void unplayableFiles();
    void commandsNeedAnOpenFile();
    void finishedNoticeAtTheEndAndReplayFromTheStart();
    void stopAndCloseAbort();
    void aNewRequestSupersedesThePendingOne();
    void noticesArriveOnTheWindowThreadAfterTheCall();
    void opensPlaysAndLoopsKeepNothing();

private:
    SoundFiles m_files;
    QString m_wav;
    QString m_mp3;
};

void tst_TMediaPlayer::initTestCase()
{
    // Read when GStreamer starts, at the first Open.
    qputenv("GST_TRACERS", "leaks");
    qRegisterMetaType<TMPNotifyValue>();
    m_wav = m_files.wav(QStringLiteral("tone.wav"), 600);
    m_mp3 = m_files.mp3(QStringLiteral("tone.mp3"), 600);
    QVERIFY(QFile::exists(m_wav));
    QVERIFY(QFile::exists(m_mp3));
}

void tst_TMediaPlayer::opensWavAndMp3()
{
    TMediaPlayer player(TestSink);
    for (const QString &file : {m_wav, m_mp3}) {
        player.setFileName(file);
        QElapsedTimer clock;
        clock.start();
        player.Open();
        qInfo("opened %s in %lld ms, length %lld ms", qPrintable(file.section(QLatin1Char('/'), -1)),
              clock.elapsed(), player.Length());
        QVERIFY(player.isOpen());
        QVERIFY2(std::abs(player.Length() - 600) <= 60, qPrintable(QString::number(player.Length())));
        QCOMPARE(player.Position(), 0);
    }
    player.Close();
    QVERIFY(!player.isOpen());
}

void tst_TMediaPlayer::filmGivesItsSoundOnly()
{
    TMediaPlayer player(TestSink);
    player.setFileName(m_files.filmWithSound(QStringLiteral("film.ogg")));
    player.Open();
    QSignalSpy notices(&player, &TMediaPlayer::Notify);
    player.Play();
    QVERIFY(notices.wait(5000));
    QCOMPARE(notices.first().first().value<TMPNotifyValue>(), TMPNotifyValue::nvSuccessful);
}

void tst_TMediaPlayer::unplayableFiles_data()
{
    QTest::addColumn<QString>("path");
    const auto write = [this](const QString &name, const QByteArray &bytes) {
        QFile f(m_files.path(name));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return f.fileName();
    };
    QByteArray noise(20000, '\0');
    for (int i = 0; i < noise.size(); ++i)
        noise[i] = char((i * 7919 + 13) % 251);
    QFile wav(m_wav);
    wav.open(QIODevice::ReadOnly);
    QTest::newRow("missing") << m_files.path(QStringLiteral("nothing.mp3"));
    QTest::newRow("empty") << write(QStringLiteral("empty.mp3"), {});
    QTest::newRow("folder") << m_files.folder();
    QTest::newRow("random bytes named .mp3") << write(QStringLiteral("noise.mp3"), noise);
    QTest::newRow("text named .wav") << write(QStringLiteral("text.wav"), "just some words\n");
    QTest::newRow("truncated wav header") << write(QStringLiteral("cut.wav"), wav.read(30));
    QTest::newRow("film without sound") << m_files.silentFilm(QStringLiteral("silent.ogv"));
}

void tst_TMediaPlayer::unplayableFiles()
{
    QFETCH(QString, path);
    TMediaPlayer player(TestSink);
    player.setFileName(path);
    QVERIFY_THROWS_EXCEPTION(EMCIDeviceError, player.Open());
    QVERIFY(!player.isOpen());
    // The player is usable afterwards.
    player.setFileName(m_wav);
    player.Open();
    QVERIFY(player.isOpen());
}

void tst_TMediaPlayer::commandsNeedAnOpenFile()
{
    TMediaPlayer player(TestSink);
    try {
        player.Play();
        QFAIL("played with nothing open");
    } catch (const EMCIDeviceError &e) {
        QCOMPARE(QString::fromUtf8(e.what()), QStringLiteral("No MCI device open"));
    }
    QVERIFY_THROWS_EXCEPTION(EMCIDeviceError, player.Stop());
    player.Close(); // nothing to close: no error
}

void tst_TMediaPlayer::finishedNoticeAtTheEndAndReplayFromTheStart()
{
    TMediaPlayer player(TestSink);
    player.setFileName(m_wav);
    player.Open();
    QSignalSpy notices(&player, &TMediaPlayer::Notify);
    QElapsedTimer clock;
    clock.start();
    player.Play();
    QVERIFY(notices.wait(5000));
    const qint64 first = clock.elapsed();
    QVERIFY2(first >= 550 && first < 1500, qPrintable(QString::number(first)));
    QCOMPARE(notices.takeFirst().first().value<TMPNotifyValue>(), TMPNotifyValue::nvSuccessful);
    // At the end, Play starts again from the beginning and plays it whole.
    clock.restart();
    player.Play();
    QVERIFY(player.Position() < 100);
    QVERIFY(notices.wait(5000));
    QVERIFY2(clock.elapsed() >= 550, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(notices.size(), 1);
    QCOMPARE(player.NotifyValue(), TMPNotifyValue::nvSuccessful);
}

void tst_TMediaPlayer::stopAndCloseAbort()
{
    TMediaPlayer player(TestSink);
    player.setFileName(m_wav);
    player.Open();
    QSignalSpy notices(&player, &TMediaPlayer::Notify);
    player.Play();
    QTest::qWait(100);
    player.Stop();
    QVERIFY(notices.wait(1000));
    QCOMPARE(notices.takeFirst().first().value<TMPNotifyValue>(), TMPNotifyValue::nvAborted);
    // Stopped mid-way, a new Play goes on from there and ends in its own notice.
    const qint64 position = player.Position();
    QVERIFY(position > 0 && position < 600);
    player.Play();
    QVERIFY(notices.wait(5000));
    QCOMPARE(notices.takeFirst().first().value<TMPNotifyValue>(), TMPNotifyValue::nvSuccessful);
    player.Play();
    player.Close();
    QVERIFY(notices.wait(1000));
    QCOMPARE(notices.takeFirst().first().value<TMPNotifyValue>(), TMPNotifyValue::nvAborted);
    QTest::qWait(800);
    QCOMPARE(notices.size(), 0); // the closed request's end brings nothing more
}

void tst_TMediaPlayer::aNewRequestSupersedesThePendingOne()
{
    TMediaPlayer player(TestSink);
    player.setFileName(m_wav);
    player.Open();
    QSignalSpy notices(&player, &TMediaPlayer::Notify);
    player.Play();
    QTest::qWait(200);
    player.Play();
    QVERIFY(notices.wait(1000));
    QCOMPARE(notices.takeFirst().first().value<TMPNotifyValue>(), TMPNotifyValue::nvSuperseded);
    // The new request goes on from the current position to the end.
    QVERIFY(notices.wait(2000));
    QCOMPARE(notices.takeFirst().first().value<TMPNotifyValue>(), TMPNotifyValue::nvSuccessful);
    QTest::qWait(300);
    QCOMPARE(notices.size(), 0);
}

void tst_TMediaPlayer::noticesArriveOnTheWindowThreadAfterTheCall()
{
    TMediaPlayer player(TestSink);
    player.setFileName(m_mp3);
    player.Open();
    QList<QThread *> threads;
    connect(&player, &TMediaPlayer::Notify, this, [&] { threads << QThread::currentThread(); });
    player.Play();
    player.Stop();
    QVERIFY(threads.isEmpty()); // not inside the call
    QTRY_COMPARE(threads.size(), 1);
    player.Play();
    QTRY_COMPARE_WITH_TIMEOUT(threads.size(), 2, 5000);
    for (QThread *t : threads)
        QCOMPARE(t, QThread::currentThread());
}

void tst_TMediaPlayer::opensPlaysAndLoopsKeepNothing()
{
    TMediaPlayer player(TestSink);
    QSignalSpy notices(&player, &TMediaPlayer::Notify);
    player.setFileName(m_files.wav(QStringLiteral("short.wav"), 100));
    const auto cycles = [&](int n) {
        for (int i = 0; i < n; ++i) {
            player.Open();
            player.Play();
            QTest::qWait(20);
            player.Stop();
            player.Close();
        }
        player.Open();
        for (int i = 0; i < n; ++i) {
            notices.clear();
            player.Play();
            QVERIFY(notices.wait(3000));
        }
        player.Close();
        QTest::qWait(50); // the notices of the last calls
    };
    cycles(2);
    GstTracer *tracer = leakTracer();
    QVERIFY(tracer);
    g_signal_emit_by_name(tracer, "activity-start-tracking");
    cycles(10);
    const int kept = madeLessGone(tracer);
    g_signal_emit_by_name(tracer, "activity-stop-tracking");
    gst_object_unref(tracer);
    QCOMPARE(kept, 0);
}

QTEST_GUILESS_MAIN(tst_TMediaPlayer)
#include "tst_TMediaPlayer.moc"
