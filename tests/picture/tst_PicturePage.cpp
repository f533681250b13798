#include "Doubles.h"
#include "base/Messages.h"
#include "picture/PicturePage.h"
#include "picture/TImage.h"

#include <QTest>

class tst_PicturePage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void clicksSwapThePictures();
    void doubleClickSwapsOnce();
    void pressDraggedOutSwapsNothing();
    void stretchesOverTheWholePage();
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
