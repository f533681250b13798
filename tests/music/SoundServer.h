#pragma once

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <cstdio>

// A PulseAudio server of the test's own, as the user who runs the test: one
// null sink, in a runtime folder of its own, with no system daemon, D-Bus or
// display. The process that makes it becomes its client (the environment
// names the folder), so the game's own output finds it. What goes to the
// sink is heard from its monitor.
class SoundServer
{
public:
    // A sound as recorded: its level in dB below full scale and its pitch.
    struct Sound
    {
        double dbfs = -200;
        double hertz = 0;
        int ms = 0;

        // SoundFiles' tone, a 440 Hz sine at 0.8 of full scale (-4.9 dBFS).
        bool isTheTone() const
        {
            qInfo("heard %d ms at %.1f dBFS, %.0f Hz", ms, dbfs, hertz);
            return dbfs > -8 && dbfs < -3 && std::abs(hertz - 440) < 20;
        }
        bool isSilence() const
        {
            qInfo("heard %d ms at %.1f dBFS", ms, dbfs);
            return ms > 0 && dbfs < -70;
        }
    };

    // What is missing to run one, or empty.
    static QString missing()
    {
        for (const char *tool : {"pulseaudio", "pactl", "parec", "gst-inspect-1.0"})
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                return QStringLiteral("%1 is missing (./test.sh installs it)").arg(QLatin1String(tool));
        if (QProcess::execute(QStringLiteral("gst-inspect-1.0"), {QStringLiteral("--exists"), QStringLiteral("pulsesink")}) != 0)
            return QStringLiteral("GStreamer's pulsesink is missing (./test.sh installs gstreamer1.0-pulseaudio)");
        return {};
    }

    SoundServer()
    {
        QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        write(QStringLiteral("default.pa"),
              "load-module module-native-protocol-unix auth-anonymous=1\n"
              "load-module module-null-sink sink_name=tilimi\n"
              "set-default-sink tilimi\n");
        // A client that finds no server must not start the desktop's one.
        write(QStringLiteral("client.conf"), "autospawn = no\n");
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_dir.path()));
        qputenv("PULSE_CLIENTCONFIG", QFile::encodeName(m_dir.filePath(QStringLiteral("client.conf"))));
        qputenv("PULSE_COOKIE", QFile::encodeName(m_dir.filePath(QStringLiteral("cookie"))));
        qunsetenv("PULSE_SERVER");
    }
    ~SoundServer() { stop(); }

    // Starts the server and its listener and waits until both answer.
    bool start()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), m_dir.path());
        env.insert(QStringLiteral("PULSE_STATE_PATH"), m_dir.filePath(QStringLiteral("state")));
        m_server.setProcessEnvironment(env);
        m_server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_server.setStandardOutputFile(QProcess::nullDevice());
        m_server.start(QStringLiteral("pulseaudio"),
                       {QStringLiteral("-n"), QStringLiteral("-F"), m_dir.filePath(QStringLiteral("default.pa")),
                        QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
                        QStringLiteral("--use-pid-file=no"), QStringLiteral("--log-level=error"),
                        QStringLiteral("--log-target=stderr")});
        if (!m_server.waitForStarted(5000))
            return false;
        // One listener for the server's whole life: the null sink wakes up
        // to 2 s late for a new one, but keeps a short latency while one is
        // there, so that what is heard follows what is played within 20 ms.
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 10000) {
            m_listener.start(QStringLiteral("parec"),
                             {QStringLiteral("-d"), QStringLiteral("tilimi.monitor"), QStringLiteral("--raw"),
                              QStringLiteral("--format=s16le"), QStringLiteral("--rate=44100"),
                              QStringLiteral("--channels=1"), QStringLiteral("--latency-msec=20")});
            if (QTest::qWaitFor([this] { return m_listener.bytesAvailable() > 0 || m_listener.state() == QProcess::NotRunning; },
                                5000)
                && m_listener.state() == QProcess::Running)
                return true;
            m_listener.kill();
            m_listener.waitForFinished(2000);
            QTest::qWait(50);
        }
        return false;
    }

    // Ends the server at once, as a crash would.
    void stop()
    {
        m_listener.kill();
        m_listener.waitForFinished(2000);
        if (m_server.state() == QProcess::NotRunning)
            return;
        m_server.kill();
        m_server.waitForFinished(5000);
    }

    // Takes the sink away, as when a device is unplugged; start() after stop()
    // brings it back.
    bool removeSink()
    {
        return QProcess::execute(QStringLiteral("pactl"),
                                 {QStringLiteral("unload-module"), QStringLiteral("module-null-sink")})
            == 0;
    }

    // What the sink gives out over the next ms, keeping the event loop going.
    Sound record(int ms)
    {
        m_listener.readAll(); // what was heard before
        QByteArray data;
        const qsizetype wanted = qsizetype(ms) * 441 / 10 * 2;
        (void)QTest::qWaitFor([&] {
            data += m_listener.readAll();
            return data.size() >= wanted || m_listener.state() == QProcess::NotRunning;
        }, ms + 5000);
        return measure(data.left(wanted));
    }

private:
    static Sound measure(const QByteArray &data)
    {
        const auto *samples = reinterpret_cast<const qint16 *>(data.constData());
        const qsizetype n = data.size() / 2;
        Sound sound;
        sound.ms = int(n * 10 / 441);
        if (n == 0)
            return sound;
        double sum = 0;
        int crossings = 0;
        for (qsizetype i = 0; i < n; ++i) {
            sum += double(samples[i]) * samples[i];
            if (i > 0 && (samples[i - 1] < 0) != (samples[i] < 0))
                ++crossings;
        }
        const double rms = std::sqrt(sum / n) / 32768;
        sound.dbfs = rms > 0 ? 20 * std::log10(rms) : -200;
        sound.hertz = crossings / 2.0 / (n / 44100.0);
        return sound;
    }

    void write(const QString &name, const QByteArray &text)
    {
        QFile f(m_dir.filePath(name));
        if (f.open(QIODevice::WriteOnly))
            f.write(text);
    }

    QTemporaryDir m_dir;
    QProcess m_server;
    QProcess m_listener;
};

// The main() of a test that needs a sound server: skipped, with the reason,
// where its packages are missing (./test.sh installs them).
template <typename Application, typename Test>
int runWithSoundServer(int argc, char *argv[])
{
    const QString missing = SoundServer::missing();
    if (!missing.isEmpty()) {
        std::printf("SKIP: %s\n", qPrintable(missing));
        return 77;
    }
    Application app(argc, argv);
    Test test;
    return QTest::qExec(&test, argc, argv);
}
