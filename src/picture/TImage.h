#pragma once

#include "widgets/ClickTracker.h"

#include <QByteArray>
#include <QImage>
#include <QWidget>

// A picture control that holds JPEG data, decodes it the first time it is
// drawn, keeps the bitmap and stretches it over its whole area, nearest
// pixel, proportions not kept.
class TImage : public QWidget
{
    Q_OBJECT

public:
    explicit TImage(QWidget *parent = nullptr);

    // New data drops the decoded bitmap.
    void setJpeg(const QByteArray &data);
    bool isDecoded() const { return !m_bitmap.isNull(); }

Q_SIGNALS:
    // A press of the left button released over the picture; the second press
    // of a double-click is not a click.
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QByteArray m_jpeg;
    QImage m_bitmap;
    bool m_failed = false;
    ClickTracker m_click;
};
