#pragma once

#include <QByteArray>
#include <QImage>

// Decodes JPEG data held in memory at full size with libjpeg: the accurate
// integer inverse transform, block smoothing on, RGB output into a 24-bit
// image. A library error throws JpegError; the process never exits.
class JpegDecoder
{
public:
    static QImage decode(const QByteArray &data);
};
