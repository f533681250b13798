#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// Sound files made for a test with gst-launch-1.0, so nothing binary is
// committed: a tone of the given length as WAV or MP3, a film with sound and
// a film without.
class SoundFiles
{
public:
    QString wav(const QString &name, int ms) { return make(name, tone(ms) + QStringLiteral(" ! wavenc")); }
    QString mp3(const QString &name, int ms)
    {
        return make(name, tone(ms) + QStringLiteral(" ! audioconvert ! lamemp3enc"));
    }
    QString filmWithSound(const QString &name)
    {
        return make(name, QStringLiteral("videotestsrc num-buffers=15 ! theoraenc ! queue ! oggmux name=m ")
                              + tone(500) + QStringLiteral(" ! audioconvert ! vorbisenc ! queue ! m."));
    }
    QString silentFilm(const QString &name)
    {
        return make(name, QStringLiteral("videotestsrc num-buffers=10 ! theoraenc ! oggmux"));
    }
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QString folder() const { return m_dir.path(); }

private:
    static QString tone(int ms)
    {
        // 441 samples a buffer: one buffer is 10 ms.
        return QStringLiteral("audiotestsrc num-buffers=%1 samplesperbuffer=441 ! "
                              "audio/x-raw,rate=44100,channels=1").arg(ms / 10);
    }
    QString make(const QString &name, const QString &pipeline)
    {
        const QString out = m_dir.filePath(name);
        QStringList args{QStringLiteral("-q")};
        args += QProcess::splitCommand(pipeline);
        // The file sink goes on the first branch, before any named branch.
        const int branch = args.indexOf(QStringLiteral("name=m"));
        const QStringList sink{QStringLiteral("!"), QStringLiteral("filesink"), QStringLiteral("location=") + out};
        if (branch >= 0) {
            for (int i = sink.size() - 1; i >= 0; --i)
                args.insert(branch + 1, sink[i]);
        } else {
            args += sink;
        }
        QProcess p;
        p.start(QStringLiteral("gst-launch-1.0"), args);
        p.waitForFinished(30000);
        return out;
    }

    QTemporaryDir m_dir;
};
