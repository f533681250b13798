#pragma once

#include "widgets/ClickTracker.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QWidget>

// A picture control that holds JPEG data, decodes it the first time it is
// drawn, keeps the bitmap and stretches it over its whole area, nearest
// pixel, proportions not kept. The picture is stretched across once per
// size and kept while the control shows, with the bitmap row each row shown
// repeats: a repaint copies rows, only those exposed.
class TImage : public QWidget
{
    Q_OBJECT

public:
    explicit TImage(QWidget *parent = nullptr);

    // New data drops the decoded bitmap.
    void setJpeg(const QByteArray &data);
    bool isDecoded() const { return !m_bitmap.isNull(); }
    // How many times the bitmap has been stretched to a size.
    int stretchCount() const { return m_stretches; }

Q_SIGNALS:
    // A press of the left button released over the picture; the second press
    // of a double-click is not a click.
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    // Stretches the bitmap across to pixels' width and maps pixels' rows.
    void stretch(QSize pixels);
    // Copies part (in the control's device pixels) of the picture into
    // target, the control's top left at origin.
    void copyRows(QImage &target, QPoint origin, const QRect &part) const;
    // Copies the rows of region straight into the painter's image; false
    // where the painter does more than place pixels.
    bool copyIntoDevice(QPainter &painter, const QRegion &region) const;

    QByteArray m_jpeg;
    QImage m_bitmap;
    QImage m_rows;        // m_bitmap stretched across to the device pixels shown, at its own height
    QList<int> m_rowOf;   // for each device row shown, the row of m_rows it repeats
    int m_stretches = 0;
    bool m_failed = false;
    ClickTracker m_click;
};
