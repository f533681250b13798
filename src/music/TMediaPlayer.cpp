#include "TMediaPlayer.h"

#include "EMCIDeviceError.h"
#include "ENoSoundOutput.h"

#include <QFile>
#include <QFileInfo>

#include <gst/gst.h>

namespace {

constexpr GstClockTime OpenTimeout = 10 * GST_SECOND;
constexpr GstClockTime WaitTimeout = 5 * GST_SECOND;

// playbin's flags: audio only (no video, no subtitles, no visualisation).
// No volume element of its own either: the game never sets a volume, and
// GStreamer 1.22's playsink keeps each one it makes (with its two pads) after
// the pipeline is gone.
constexpr int PlayFlagAudio = 0x2;

bool ensureGstreamer()
{
    // Initialised on first use: a run that plays no music never pays for it.
    static const bool ok = gst_init_check(nullptr, nullptr, nullptr);
    return ok;
}

[[noreturn]] void cannotOpen()
{
    // The back end's own text is never shown; the caller has its message.
    throw EMCIDeviceError("The file cannot be played");
}

// The exact length of a file whose length the player cannot tell while
// paused (a constant bit rate MP3 without a length header): decoded without
// waiting on a clock, as fast as the machine goes.
qint64 lengthByDecoding(const QString &path)
{
    GError *error = nullptr;
    GstElement *pipeline = gst_parse_launch(
        "filesrc name=src ! decodebin ! audioconvert ! fakesink sync=false", &error);
    if (error)
        g_error_free(error);
    if (!pipeline)
        return -1;
    GstElement *src = gst_bin_get_by_name(GST_BIN(pipeline), "src");
    g_object_set(src, "location", QFile::encodeName(path).constData(), nullptr);
    gst_object_unref(src);
    gst_element_set_state(pipeline, GST_STATE_PLAYING);
    GstBus *bus = gst_element_get_bus(pipeline);
    GstMessage *msg = gst_bus_timed_pop_filtered(
        bus, 30 * GST_SECOND, GstMessageType(GST_MESSAGE_EOS | GST_MESSAGE_ERROR));
    gint64 position = -1;
    if (msg && GST_MESSAGE_TYPE(msg) == GST_MESSAGE_EOS
        && !gst_element_query_position(pipeline, GST_FORMAT_TIME, &position))
        position = -1;
    if (msg)
        gst_message_unref(msg);
    gst_object_unref(bus);
    gst_element_set_state(pipeline, GST_STATE_NULL);
    gst_object_unref(pipeline);
    return position < 0 ? -1 : position / GST_MSECOND;
}

} // namespace

TMediaPlayer::TMediaPlayer(QString audioSink, QObject *parent)
    : QObject(parent), m_audioSink(std::move(audioSink))
{
}

TMediaPlayer::~TMediaPlayer()
{
    destroyPipeline();
}

int TMediaPlayer::syncHandler(GstBus *, GstMessage *message, void *data)
{
    // Runs on a streaming thread: it only hands the end of a request over to
    // the player's thread, tagged with the generation it belongs to. Every
    // message is dropped here, and a dropped message is the handler's to
    // release.
    auto *self = static_cast<TMediaPlayer *>(data);
    const GstMessageType type = GST_MESSAGE_TYPE(message);
    if (type == GST_MESSAGE_EOS || type == GST_MESSAGE_ERROR) {
        const bool eos = type == GST_MESSAGE_EOS;
        if (!eos) {
            self->m_failedWhileOpening = true;
            GstObject *source = GST_MESSAGE_SRC(message);
            GstObject *output = GST_OBJECT(self->m_output);
            if (source && (source == output || gst_object_has_as_ancestor(source, output)))
                self->outputFailed();
        }
        const unsigned generation = self->m_generation.load();
        QMetaObject::invokeMethod(
            self, [self, generation, eos] { self->busEvent(generation, eos); }, Qt::QueuedConnection);
    }
    gst_message_unref(message);
    return GST_BUS_DROP;
}

void TMediaPlayer::outputFailed()
{
    // The output of this file is reported once, whatever the number of
    // errors the output posts as it goes.
    if (m_outputFailed.exchange(true))
        return;
    const unsigned opened = m_opened.load();
    QMetaObject::invokeMethod(this, [this, opened] {
        if (opened == m_opened.load() && m_pipeline)
            Q_EMIT OutputFailed();
    }, Qt::QueuedConnection);
}

bool TMediaPlayer::fellBackOnSilence() const
{
    // An autoaudiosink that opens none of the desktop's outputs goes on with
    // a fake sink of its own: the file plays, but nobody hears it.
    bool silent = false;
    GstIterator *it = gst_bin_iterate_recurse(GST_BIN(m_output));
    GValue item = G_VALUE_INIT;
    while (gst_iterator_next(it, &item) == GST_ITERATOR_OK) {
        auto *element = GST_ELEMENT(g_value_get_object(&item));
        GstObject *parent = gst_object_get_parent(GST_OBJECT(element));
        if (parent) {
            GstElementFactory *own = gst_element_get_factory(element);
            GstElementFactory *parents = gst_element_get_factory(GST_ELEMENT(parent));
            if (own && parents && g_str_equal(GST_OBJECT_NAME(own), "fakesink")
                && g_str_equal(GST_OBJECT_NAME(parents), "autoaudiosink"))
                silent = true;
            gst_object_unref(parent);
        }
        g_value_reset(&item);
    }
    g_value_unset(&item);
    gst_iterator_free(it);
    return silent;
}

void TMediaPlayer::busEvent(unsigned generation, bool endOfStream)
{
    if (generation != m_generation.load() || !m_pending || !m_pipeline)
        return;
    if (endOfStream) {
        // Paused at the end, so that the next Play gets a notice of its own.
        m_atEnd = true;
        gst_element_set_state(m_pipeline, GST_STATE_PAUSED);
        endRequest(TMPNotifyValue::nvSuccessful);
    } else {
        ++m_generation;
        gst_element_set_state(m_pipeline, GST_STATE_READY);
        m_atEnd = false;
        endRequest(TMPNotifyValue::nvFailure);
    }
}

void TMediaPlayer::endRequest(TMPNotifyValue kind)
{
    m_pending = false;
    m_notifyValue = kind;
    Q_EMIT Notify(kind);
}

void TMediaPlayer::postNotice(TMPNotifyValue kind)
{
    // A request ended by a player call is announced through the event loop,
    // never inside the call.
    QMetaObject::invokeMethod(this, [this, kind] {
        m_notifyValue = kind;
        Q_EMIT Notify(kind);
    }, Qt::QueuedConnection);
}

void TMediaPlayer::requireOpen() const
{
    if (!m_pipeline)
        throw EMCIDeviceError("No MCI device open");
}

void TMediaPlayer::Open()
{
    Close();
    if (!ensureGstreamer())
        cannotOpen();
    const QFileInfo file(m_fileName);
    if (!file.isFile() || !file.isReadable())
        cannotOpen();

    GstElement *pipeline = gst_element_factory_make("playbin", nullptr);
    if (!pipeline)
        cannotOpen();
    GError *error = nullptr;
    GstElement *sink = gst_parse_bin_from_description(m_audioSink.toUtf8().constData(), TRUE, &error);
    if (error)
        g_error_free(error);
    if (!sink) {
        gst_object_unref(pipeline);
        cannotOpen();
    }
    gchar *uri = gst_filename_to_uri(QFile::encodeName(file.absoluteFilePath()).constData(), nullptr);
    g_object_set(pipeline, "uri", uri, "audio-sink", sink, "flags", PlayFlagAudio, nullptr);
    g_free(uri);
    m_output = sink;
    m_outputFailed = false;
    ++m_opened;
    GstBus *bus = gst_element_get_bus(pipeline);
    gst_bus_set_sync_handler(bus, GstBusSyncHandler(&TMediaPlayer::syncHandler), this, nullptr);
    gst_object_unref(bus);

    m_pipeline = pipeline;
    m_failedWhileOpening = false;
    ++m_generation;
    GstStateChangeReturn ret = gst_element_set_state(pipeline, GST_STATE_PAUSED);
    if (ret == GST_STATE_CHANGE_ASYNC)
        ret = gst_element_get_state(pipeline, nullptr, nullptr, OpenTimeout);
    gint audioStreams = 0;
    if (ret != GST_STATE_CHANGE_FAILURE && !m_failedWhileOpening)
        g_object_get(pipeline, "n-audio", &audioStreams, nullptr);
    const bool noOutput = m_outputFailed || (ret != GST_STATE_CHANGE_FAILURE && fellBackOnSilence());
    if (noOutput || ret == GST_STATE_CHANGE_FAILURE || ret == GST_STATE_CHANGE_ASYNC || m_failedWhileOpening
        || audioStreams < 1) {
        destroyPipeline();
        if (noOutput)
            throw ENoSoundOutput("No sound output");
        cannotOpen();
    }
    m_atEnd = false;
    m_pending = false;
    m_length = queryLength();
    if (m_length < 0)
        m_length = lengthByDecoding(file.absoluteFilePath());
}

qint64 TMediaPlayer::queryLength() const
{
    gint64 duration = -1;
    if (!gst_element_query_duration(m_pipeline, GST_FORMAT_TIME, &duration) || duration < 0)
        return -1;
    return duration / GST_MSECOND;
}

qint64 TMediaPlayer::Position() const
{
    gint64 position = -1;
    if (!m_pipeline || !gst_element_query_position(m_pipeline, GST_FORMAT_TIME, &position))
        return -1;
    return position / GST_MSECOND;
}

void TMediaPlayer::rewind()
{
    ++m_generation;
    gst_element_seek_simple(m_pipeline, GST_FORMAT_TIME,
                            GstSeekFlags(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE), 0);
    gst_element_get_state(m_pipeline, nullptr, nullptr, WaitTimeout);
    m_atEnd = false;
}

void TMediaPlayer::Play()
{
    requireOpen();
    if (m_pending) {
        // The new request takes the place of the pending one, which ends now.
        m_pending = false;
        postNotice(TMPNotifyValue::nvSuperseded);
    }
    if (m_atEnd)
        rewind();
    if (gst_element_set_state(m_pipeline, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE)
        return; // refused at once: no request, no notice
    m_pending = true;
}

void TMediaPlayer::Stop()
{
    requireOpen();
    ++m_generation;
    if (m_pending) {
        m_pending = false;
        postNotice(TMPNotifyValue::nvAborted);
    }
    gst_element_set_state(m_pipeline, GST_STATE_PAUSED);
    gst_element_get_state(m_pipeline, nullptr, nullptr, WaitTimeout);
}

void TMediaPlayer::Close()
{
    if (!m_pipeline)
        return;
    if (m_pending) {
        m_pending = false;
        postNotice(TMPNotifyValue::nvAborted);
    }
    destroyPipeline();
}

void TMediaPlayer::destroyPipeline()
{
    if (!m_pipeline)
        return;
    ++m_generation;
    gst_element_set_state(m_pipeline, GST_STATE_NULL);
    GstBus *bus = gst_element_get_bus(m_pipeline);
    gst_bus_set_sync_handler(bus, nullptr, nullptr, nullptr);
    gst_object_unref(bus);
    gst_object_unref(m_pipeline);
    m_pipeline = nullptr;
    m_output = nullptr;
    ++m_opened;
    m_atEnd = false;
    m_length = -1;
}
