#include "Doubles.h"
#include "base/Messages.h"
#include "picture/JpegDecoder.h"
#include "picture/PicturePage.h"
#include "picture/TImage.h"

#include <QScreen>
#include <QTest>

extern const unsigned char MandalaJpeg[];
extern const unsigned long MandalaJpegSize;

class tst_PicturePage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void clicksSwapThePictures();
    void doubleClickSwapsOnce();
    void pressDraggedOutSwapsNothing();
    void stretchesOverTheWholePage();
    void rowsMatchAWholeStretch_data();
    void rowsMatchAWholeStretch();
    void damagedPictureReportsAndGoesOn();
};

void tst_PicturePage::clicksSwapThePictures()
{
    PicturePage page(nullptr);
    page.resize(400, 300);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QVERIFY(part<TImage>(&page, "Image1")->isVisible());
    QVERIFY(!part<TImage>(&page, "Image2")->isVisible());
    QTest::mouseClick(part<TImage>(&page, "Image1"), Qt::LeftButton);
    QVERIFY(part<TImage>(&page, "Image2")->isVisible());
    QVERIFY(!part<TImage>(&page, "Image1")->isVisible());
    QTest::mouseClick(part<TImage>(&page, "Image2"), Qt::LeftButton);
    QVERIFY(part<TImage>(&page, "Image1")->isVisible());
    QTest::mouseClick(part<TImage>(&page, "Image1"), Qt::RightButton);
    QVERIFY(part<TImage>(&page, "Image1")->isVisible());
}

void tst_PicturePage::doubleClickSwapsOnce()
{
    PicturePage page(nullptr);
    page.resize(400, 300);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    // A double-click is press, release, second press (the double-click
    // event) and release; only the first pair is a click.
    QTest::mouseClick(part<TImage>(&page, "Image1"), Qt::LeftButton);
    QTest::mouseDClick(part<TImage>(&page, "Image2"), Qt::LeftButton);
    QVERIFY(part<TImage>(&page, "Image2")->isVisible());
    QVERIFY(!part<TImage>(&page, "Image1")->isVisible());
}

void tst_PicturePage::pressDraggedOutSwapsNothing()
{
    PicturePage page(nullptr);
    page.resize(400, 300);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QTest::mousePress(part<TImage>(&page, "Image1"), Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(part<TImage>(&page, "Image1"), Qt::LeftButton, {}, QPoint(500, 400));
    QVERIFY(part<TImage>(&page, "Image1")->isVisible());
    QVERIFY(!part<TImage>(&page, "Image2")->isVisible());
}

void tst_PicturePage::stretchesOverTheWholePage()
{
    PicturePage page(nullptr);
    page.resize(1600, 200); // very wide
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QCOMPARE(part<TImage>(&page, "Image1")->geometry(), QRect(0, 0, 1600, 200));
    QImage shot(page.size(), QImage::Format_RGB32);
    shot.setDevicePixelRatio(1);
    page.render(&shot);
    QVERIFY(part<TImage>(&page, "Image1")->isDecoded());
    QVERIFY(!part<TImage>(&page, "Image2")->isDecoded()); // decoded on first draw only
    // Scaled by 1600/799 across and 200/515 down: the centre is still white,
    // the corners black, the cross green at the top middle.
    QCOMPARE(shot.pixelColor(800, 100).lightness() > 240, true);
    QCOMPARE(shot.pixelColor(5, 5).lightness() < 15, true);
    QCOMPARE(shot.pixelColor(1595, 195).lightness() < 15, true);
    const QColor top = shot.pixelColor(800, 3);
    QVERIFY(top.green() > 240 && top.red() < 15 && top.blue() < 15);

    // Stretched once per size: a repaint draws the same picture unstretched
    // again, a new size stretches anew.
    const TImage *image = part<TImage>(&page, "Image1");
    QCOMPARE(image->stretchCount(), 1);
    QImage again(page.size(), QImage::Format_RGB32);
    again.setDevicePixelRatio(1);
    page.render(&again);
    page.update();
    QTest::qWait(20);
    QCOMPARE(again, shot);
    QCOMPARE(image->stretchCount(), 1);
    page.resize(800, 600);
    page.render(&again);
    QTRY_COMPARE(image->stretchCount(), 2);
}

void tst_PicturePage::rowsMatchAWholeStretch_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("fewer rows than the picture") << QSize(1200, 200);
    QTest::newRow("one row in 515 twice") << QSize(333, 516);
    QTest::newRow("odd factor across and down") << QSize(1201, 779);
    QTest::newRow("tiny") << QSize(7, 3);
}

// The rows copied, on the screen and into an image, whole or only an exposed
// part, are the picture stretched whole, pixel for pixel. Run again at a
// device pixel ratio of 2 (QT_SCALE_FACTOR=2).
void tst_PicturePage::rowsMatchAWholeStretch()
{
    QFETCH(QSize, size);
    const QByteArray jpeg = QByteArray::fromRawData(reinterpret_cast<const char *>(MandalaJpeg),
                                                    qsizetype(MandalaJpegSize));
    TImage image;
    image.setJpeg(jpeg);
    image.resize(size);
    image.show();
    QVERIFY(QTest::qWaitForWindowExposed(&image));
    const qreal ratio = image.devicePixelRatioF();
    const QSize pixels = (QSizeF(size) * ratio).toSize();
    QImage whole = JpegDecoder::decode(jpeg).convertToFormat(QImage::Format_RGB32).scaled(
        pixels, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    whole.setDevicePixelRatio(ratio);

    // The window as the screen has it, painted through its backing store;
    // the offscreen screen grabs a scaled window by its size in points, so
    // there the window's own grab stands in.
    const auto shot = [&] {
        const QPixmap grabbed = ratio == 1.0 ? image.screen()->grabWindow(image.winId()) : image.grab();
        return grabbed.toImage().convertToFormat(QImage::Format_RGB32);
    };
    QTRY_COMPARE(shot(), whole);

    // An odd part exposed, into an image of the other 32-bit layout: the
    // part only, the rest as it was.
    const QRect part(size.width() / 3, size.height() / 3, size.width() / 2 + 1, size.height() / 2 + 1);
    QImage target(pixels, QImage::Format_ARGB32_Premultiplied);
    target.setDevicePixelRatio(ratio);
    target.fill(Qt::magenta);
    image.render(&target, part.topLeft(), QRegion(part));
    const QRect shown = QRectF(QRectF(part).topLeft() * ratio, QRectF(part).size() * ratio).toAlignedRect();
    QImage expected(pixels, QImage::Format_ARGB32_Premultiplied);
    expected.fill(Qt::magenta);
    for (int y = shown.top(); y <= shown.bottom(); ++y) {
        for (int x = shown.left(); x <= shown.right(); ++x)
            expected.setPixel(x, y, whole.pixel(x, y));
    }
    expected.setDevicePixelRatio(ratio);
    QCOMPARE(target, expected);
    QCOMPARE(image.stretchCount(), 1);
}

void tst_PicturePage::damagedPictureReportsAndGoesOn()
{
    MessageCapture captured;
    const QStringList &messages = captured.texts;
    TImage image;
    image.setJpeg(QByteArray("\xFF\xD8 broken", 9));
    image.resize(50, 50);
    image.show();
    QVERIFY(QTest::qWaitForWindowExposed(&image));
    QTRY_COMPARE(messages.size(), 1);
    QVERIFY(messages.first().startsWith(QStringLiteral("JPEG error #")));
    image.update();
    QTest::qWait(50);
    QCOMPARE(messages.size(), 1); // once, not at every paint
}

QTEST_MAIN(tst_PicturePage)
#include "tst_PicturePage.moc"
