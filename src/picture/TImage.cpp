#include "TImage.h"

#include "JpegDecoder.h"
#include "base/Messages.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

TImage::TImage(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TImage::setJpeg(const QByteArray &data)
{
    m_jpeg = data;
    m_bitmap = QImage();
    m_stretched = QPixmap();
    m_failed = false;
    update();
}

void TImage::paintEvent(QPaintEvent *)
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
    if (m_stretched.size() != pixels) {
        m_stretched = QPixmap::fromImage(m_bitmap.scaled(pixels, Qt::IgnoreAspectRatio, Qt::FastTransformation));
        m_stretched.setDevicePixelRatio(ratio);
        ++m_stretches;
    }
    painter.drawPixmap(0, 0, m_stretched);
}

void TImage::hideEvent(QHideEvent *event)
{
    // At 3840 by 2160 the stretched copy holds 32 MiB: only the picture
    // that shows keeps one.
    m_stretched = QPixmap();
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
