#include "TImage.h"

#include "JpegDecoder.h"
#include "base/Messages.h"

#include <QMouseEvent>
#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

#include <cmath>
#include <cstring>

TImage::TImage(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TImage::setJpeg(const QByteArray &data)
{
    m_jpeg = data;
    m_bitmap = QImage();
    m_rows = QImage();
    m_rowOf.clear();
    m_failed = false;
    update();
}

void TImage::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    if (m_bitmap.isNull() && !m_failed && !m_jpeg.isEmpty()) {
        try {
            // Kept in the screen's own 32-bit layout: stretching from it costs
            // a fraction of stretching from 24-bit rows at every paint.
            m_bitmap = JpegDecoder::decode(m_jpeg).convertToFormat(QImage::Format_RGB32);
        } catch (const std::exception &e) {
            // Reported once, after the paint: a box must not open inside it.
            m_failed = true;
            const QString message = QString::fromUtf8(e.what());
            QTimer::singleShot(0, this, [message] { Messages::show(message); });
        }
    }
    if (m_bitmap.isNull()) {
        painter.fillRect(rect(), Qt::black);
        return;
    }
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (m_rows.width() != pixels.width() || m_rowOf.size() != pixels.height())
        stretch(pixels);
    if (!copyIntoDevice(painter, event->region())) {
        // A device of another kind (a printer, a recording): the whole
        // picture made at its size and drawn through the painter.
        QImage whole(pixels, QImage::Format_RGB32);
        copyRows(whole, QPoint(), whole.rect());
        whole.setDevicePixelRatio(ratio);
        painter.drawImage(0, 0, whole);
    }
}

void TImage::stretch(QSize pixels)
{
    m_rows = m_bitmap.scaled(pixels.width(), m_bitmap.height(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    // Which bitmap row each row shown repeats, taken from Qt's own stretch of
    // a column of row numbers: the picture matches a whole stretch pixel for
    // pixel, whatever rounding Qt uses.
    QImage numbers(1, m_bitmap.height(), QImage::Format_RGB32);
    for (int y = 0; y < numbers.height(); ++y)
        numbers.setPixel(0, y, qRgb(0, y >> 8, y & 0xff));
    const QImage column = numbers.scaled(1, pixels.height(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    m_rowOf.resize(pixels.height());
    for (int y = 0; y < pixels.height(); ++y) {
        const QRgb n = column.pixel(0, y);
        m_rowOf[y] = qGreen(n) << 8 | qBlue(n);
    }
    ++m_stretches;
}

void TImage::copyRows(QImage &target, QPoint origin, const QRect &part) const
{
    // Pointers taken once: asking the images for each row added 3 % to the
    // copy's instructions.
    const qsizetype into = target.bytesPerLine();
    uchar *row = target.bits() + (origin.y() + part.top()) * into + qsizetype(origin.x() + part.left()) * 4;
    const qsizetype from = m_rows.bytesPerLine();
    const uchar *rows = m_rows.constBits() + qsizetype(part.left()) * 4;
    const size_t bytes = size_t(part.width()) * 4;
    for (int y = part.top(); y <= part.bottom(); ++y, row += into)
        std::memcpy(row, rows + m_rowOf[y] * from, bytes);
}

bool TImage::copyIntoDevice(QPainter &painter, const QRegion &region) const
{
    // The backing store is a 32-bit image; a painter that only moves and
    // scales by the device pixel ratio leaves the rows to a plain copy. The
    // painter's own blit of a whole stretched picture reads 33 MB at 3840 by
    // 2160 where these rows, repeated from a source row still in the cache,
    // read the picture's 8 MB once; a painter blit per row would add 800
    // instructions to the 1,500 of each row's copy.
    QPaintEngine *engine = painter.paintEngine();
    QPaintDevice *device = engine ? engine->paintDevice() : nullptr;
    if (!device || device->devType() != QInternal::Image)
        return false;
    auto *target = static_cast<QImage *>(device);
    const QImage::Format format = target->format();
    if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32
        && format != QImage::Format_ARGB32_Premultiplied)
        return false;
    if (painter.opacity() != 1.0 || painter.compositionMode() != QPainter::CompositionMode_SourceOver
        || painter.hasClipping())
        return false;
    const QTransform t = painter.deviceTransform();
    const qreal ratio = devicePixelRatioF();
    if (t.type() > QTransform::TxScale || t.m11() != ratio || t.m22() != ratio || t.dx() != std::floor(t.dx())
        || t.dy() != std::floor(t.dy()))
        return false;
    const QPoint origin(int(t.dx()), int(t.dy()));
    QRegion exposed;
    for (const QRect &r : region)
        exposed += t.mapRect(QRectF(r)).toAlignedRect();
    exposed &= QRect(origin, QSize(m_rows.width(), int(m_rowOf.size())));
    exposed &= target->rect();
    const QRegion system = engine->systemClip();
    if (!system.isEmpty())
        exposed &= system;
    for (const QRect &r : exposed)
        copyRows(*target, origin, r.translated(-origin));
    return true;
}

void TImage::hideEvent(QHideEvent *event)
{
    // Only the picture that shows keeps its stretched rows: 7.5 MiB at 3840
    // by 2160 (a whole stretch held 31 MiB).
    m_rows = QImage();
    m_rowOf.clear();
    QWidget::hideEvent(event);
}

void TImage::mousePressEvent(QMouseEvent *event)
{
    m_click.press(event);
}

void TImage::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_click.release(event, this))
        Q_EMIT clicked();
}

void TImage::mouseDoubleClickEvent(QMouseEvent *)
{
    m_click.doubleClick();
}
