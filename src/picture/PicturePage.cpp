#include "PicturePage.h"

#include "TImage.h"
#include "base/ObjectName.h"

extern const unsigned char MandalaJpeg[];
extern const unsigned long MandalaJpegSize;
extern const unsigned char NegativeJpeg[];
extern const unsigned long NegativeJpegSize;

namespace {
QByteArray embedded(const unsigned char *data, unsigned long size)
{
    // The data lives for the whole run; no copy is needed.
    return QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
}
} // namespace

PicturePage::PicturePage(QWidget *parent)
    : TPanel(parent), Image1(named(new TImage(this), "Image1")),
      Image2(named(new TImage(this), "Image2"))
{
    setBevelOuter(bvNone);
    setBevelInner(bvNone);
    setBorderWidth(0);
    setColor(clBlack);
    Image1->setJpeg(embedded(MandalaJpeg, MandalaJpegSize));
    Image2->setJpeg(embedded(NegativeJpeg, NegativeJpegSize));
    Image2->hide();
    Image1->setAccessibleName(tr("Мандала"));
    Image2->setAccessibleName(tr("Мандала, негатив"));
    for (TImage *image : {Image1, Image2})
        image->setAccessibleDescription(tr("Щелчок меняет картинку на негатив и обратно"));
    addFillChild(Image1);
    addFillChild(Image2);
    connect(Image1, &TImage::clicked, this, &PicturePage::Image1Click);
    connect(Image2, &TImage::clicked, this, &PicturePage::Image2Click);
}

void PicturePage::Image1Click()
{
    Image2->show();
    Image1->hide();
}

void PicturePage::Image2Click()
{
    Image1->show();
    Image2->hide();
}
