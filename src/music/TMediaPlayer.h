#pragma once

#include <QObject>
#include <QString>

#include <atomic>

typedef struct _GstElement GstElement;
typedef struct _GstBus GstBus;
typedef struct _GstMessage GstMessage;

// How a play request ended.
enum class TMPNotifyValue { nvSuccessful, nvSuperseded, nvAborted, nvFailure };

// The music's player over GStreamer's playbin, sound only. Open, Stop, Close
// and the rewind hold the caller until done; Play returns at once and every
// play request ends in exactly one Notify, delivered later through the event
// loop of the player's thread, never inside a player call.
class TMediaPlayer : public QObject
{
    Q_OBJECT

public:
    // audioSink: a GStreamer description of the output, "autoaudiosink" for
    // the desktop's default; tests give "fakesink sync=true".
    explicit TMediaPlayer(QString audioSink, QObject *parent = nullptr);
    ~TMediaPlayer() override;

    // The file the next Open opens.
    QString FileName() const { return m_fileName; }
    void setFileName(const QString &path) { m_fileName = path; }
    // The play flag: 1 while music is wanted, 0 when it was finished. The
    // player only keeps it; the music's menu and replay read it.
    int Tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }

    // Opens FileName, closing what was open first. Throws EMCIDeviceError for
    // anything that cannot be played, a file without sound included, and its
    // kind ENoSoundOutput when the file may be fine but no output opens.
    void Open();
    // Plays from the current position to the end; at the end it starts from
    // the beginning. A pending request is superseded.
    void Play();
    // Pauses where it is; a pending request ends as aborted.
    void Stop();
    // Lets the file go; a pending request ends as aborted.
    void Close();

    bool isOpen() const { return m_pipeline != nullptr; }
    bool isPlaying() const { return m_pending; }
    // Milliseconds; -1 when unknown.
    qint64 Position() const;
    qint64 Length() const { return m_length; }
    // How the last play request ended.
    TMPNotifyValue NotifyValue() const { return m_notifyValue; }

Q_SIGNALS:
    // A play request ended; always delivered through the event loop.
    void Notify(TMPNotifyValue kind);
    // The output of the open file failed (the sound server went, the device
    // vanished): nothing more is heard until the file is opened again. Once
    // per open file, through the event loop.
    void OutputFailed();

private:
    static int syncHandler(GstBus *bus, GstMessage *message, void *self);
    void busEvent(unsigned generation, bool endOfStream);
    void outputFailed();
    bool fellBackOnSilence() const;
    void endRequest(TMPNotifyValue kind);
    void postNotice(TMPNotifyValue kind);
    void requireOpen() const;
    void rewind();
    void destroyPipeline();
    qint64 queryLength() const;

    QString m_fileName;
    int m_tag = 0;
    QString m_audioSink;
    GstElement *m_pipeline = nullptr;
    GstElement *m_output = nullptr; // the audio sink, owned by the pipeline
    // Raised by Stop, Close and rewinds: an end of stream or error that the
    // streaming thread tagged with an older generation is stale.
    std::atomic<unsigned> m_generation{0};
    std::atomic<bool> m_failedWhileOpening{false};
    std::atomic<bool> m_outputFailed{false};
    // Raised by every Open and Close: a failed output reported for a file
    // that is no longer open is stale.
    std::atomic<unsigned> m_opened{0};
    bool m_pending = false;
    bool m_atEnd = false;
    qint64 m_length = -1;
    TMPNotifyValue m_notifyValue = TMPNotifyValue::nvSuccessful;
};
