#include "widgets/TCustomPanel.h"

#include <QApplication>
#include <QPainter>
#include <QTest>

namespace {

const QColor Face(0xd4, 0xd0, 0xc8);
const QColor Light(0xff, 0xff, 0xff);
const QColor Dark(0x80, 0x80, 0x80);
const QColor DkShadow(0x40, 0x40, 0x40);
const QColor Light3D(0xe0, 0xe0, 0xe0);
const QColor Text(0, 0, 0);

QImage render(TPanel &panel)
{
    QImage image(panel.size(), QImage::Format_RGB32);
    image.setDevicePixelRatio(1);
    image.fill(QColor(1, 2, 3)); // shows any pixel the panel leaves unpainted
    panel.render(&image);
    return image;
}

QColor at(const QImage &image, int x, int y)
{
    return image.pixelColor(x, y);
}

// Counts its paints, to check which setters repaint.
class CountingPanel : public TPanel
{
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent *e) override
    {
        ++paints;
        TPanel::paintEvent(e);
    }
};

} // namespace

class tst_TCustomPanel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void defaultPanel();
    void concealedLook();
    void revealedLook();
    void spaceLooksRaised();
    void borderWidthMovesTheInnerBevel();
    void bevelWidthZeroDrawsNoRings();
    void panelTooSmallForItsRings();
    void captionOnALowPanel();
    void captionAlignment();
    void singleBorder();
    void themeChangeShowsAtTheNextPaint();
    void settersRepaintByTheirRules();
    void fillChildrenFollowTheBevels();
};

void tst_TCustomPanel::initTestCase()
{
    QPalette pal = QApplication::palette();
    pal.setColor(QPalette::Button, Face);
    pal.setColor(QPalette::Light, Light);
    pal.setColor(QPalette::Dark, Dark);
    pal.setColor(QPalette::Shadow, DkShadow);
    pal.setColor(QPalette::Midlight, Light3D);
    pal.setColor(QPalette::WindowText, Text);
    QApplication::setPalette(pal);
}

void tst_TCustomPanel::defaultPanel()
{
    TPanel panel;
    QCOMPARE(panel.size(), QSize(185, 41));
    QCOMPARE(panel.BevelOuter(), bvRaised);
    QCOMPARE(panel.BevelInner(), bvNone);
    QCOMPARE(panel.BevelWidth(), 1);
    QCOMPARE(panel.Color(), clBtnFace);
    const QImage img = render(panel);
    for (int y = 0; y <= 39; ++y)
        QCOMPARE(at(img, 0, y), Light);
    for (int x = 0; x <= 183; ++x)
        QCOMPARE(at(img, x, 0), Light);
    for (int y = 0; y <= 40; ++y)
        QCOMPARE(at(img, 184, y), Dark);
    for (int x = 0; x <= 184; ++x)
        QCOMPARE(at(img, x, 40), Dark);
    for (int y = 1; y < 40; ++y)
        for (int x = 1; x < 184; ++x)
            QCOMPARE(at(img, x, y), Face);
}

void tst_TCustomPanel::concealedLook()
{
    TPanel panel;
    panel.resize(98, 83);
    panel.setBevelOuter(bvRaised);
    panel.setBevelInner(bvRaised);
    panel.setBevelWidth(2);
    panel.setColor(clSilver);
    const QImage img = render(panel);
    for (int ring = 0; ring < 4; ++ring) {
        QCOMPARE(at(img, ring, 40), Light);            // left
        QCOMPARE(at(img, 50, ring), Light);            // top
        QCOMPARE(at(img, 97 - ring, 40), Dark);        // right
        QCOMPARE(at(img, 50, 82 - ring), Dark);        // bottom
        QCOMPARE(at(img, ring, ring), Light);          // top-left corner
        QCOMPARE(at(img, 97 - ring, ring), Dark);      // top-right corner
        QCOMPARE(at(img, ring, 82 - ring), Dark);      // bottom-left corner
    }
    QCOMPARE(at(img, 4, 4), QColor(0xc0, 0xc0, 0xc0));
    QCOMPARE(at(img, 93, 78), QColor(0xc0, 0xc0, 0xc0));
}

void tst_TCustomPanel::revealedLook()
{
    TPanel panel;
    panel.resize(98, 83);
    panel.setBevelOuter(bvRaised);
    panel.setBevelInner(bvLowered);
    panel.setBevelWidth(3);
    panel.setColor(0x0000FF00); // green
    const QImage img = render(panel);
    for (int ring = 0; ring < 3; ++ring) {
        QCOMPARE(at(img, ring, 40), Light);
        QCOMPARE(at(img, 97 - ring, 40), Dark);
    }
    for (int ring = 3; ring < 6; ++ring) {
        QCOMPARE(at(img, ring, 40), Dark);
        QCOMPARE(at(img, 50, ring), Dark);
        QCOMPARE(at(img, 97 - ring, 40), Light);
        QCOMPARE(at(img, 50, 82 - ring), Light);
        QCOMPARE(at(img, 97 - ring, ring), Light);     // top-right takes the bottom-right colour
    }
    QCOMPARE(at(img, 6, 6), QColor(0, 255, 0));
}

void tst_TCustomPanel::spaceLooksRaised()
{
    TPanel raised;
    TPanel space;
    for (TPanel *p : {&raised, &space}) {
        p->resize(60, 40);
        p->setBevelWidth(2);
    }
    raised.setBevelInner(bvRaised);
    space.setBevelInner(bvSpace);
    raised.setBevelOuter(bvRaised);
    space.setBevelOuter(bvSpace);
    QCOMPARE(render(space), render(raised));
}

void tst_TCustomPanel::borderWidthMovesTheInnerBevel()
{
    TPanel panel;
    panel.resize(60, 40);
    panel.setBevelInner(bvLowered);
    panel.setBorderWidth(3);
    panel.setColor(clRed);
    const QImage img = render(panel);
    QCOMPARE(at(img, 0, 20), Light);
    for (int x = 1; x <= 3; ++x)
        QCOMPARE(at(img, x, 20), QColor(255, 0, 0));
    QCOMPARE(at(img, 4, 20), Dark);
    QCOMPARE(at(img, 55, 20), Light);
    QCOMPARE(at(img, 5, 20), QColor(255, 0, 0));
    QCOMPARE(panel.childArea(), QRect(5, 5, 50, 30));
}

void tst_TCustomPanel::bevelWidthZeroDrawsNoRings()
{
    TPanel panel;
    panel.resize(30, 20);
    panel.setBevelInner(bvRaised);
    panel.setBevelWidth(0);
    panel.setColor(clSilver);
    const QImage img = render(panel);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 30; ++x)
            QCOMPARE(at(img, x, y), QColor(0xc0, 0xc0, 0xc0));
    QCOMPARE(panel.childArea(), QRect(0, 0, 30, 20));
}

void tst_TCustomPanel::panelTooSmallForItsRings()
{
    // A 3 by 3 panel with two raised bevels of width 2: later rings are drawn
    // over earlier ones by the same end-point rule, running backwards once
    // the ring has turned inside out.
    TPanel panel;
    panel.resize(3, 3);
    panel.setBevelInner(bvRaised);
    panel.setBevelWidth(2);
    panel.setColor(clRed);
    const QImage img = render(panel);
    const QColor expected[3][3] = {
        {Dark, Light, Light},
        {Dark, Dark, Light},
        {Dark, Light, Light},
    };
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            QCOMPARE(at(img, x, y), expected[y][x]);
}

void tst_TCustomPanel::captionOnALowPanel()
{
    // The line is taller than the panel: the caption covers the bevels.
    TPanel panel;
    panel.resize(60, 8);
    panel.setCaption(QStringLiteral("\u2588\u2588\u2588"));
    const QImage img = render(panel);
    for (int y = 0; y < 8; ++y)
        QCOMPARE(at(img, 30, y), Text);
    QCOMPARE(at(img, 0, 4), Light);
}

void tst_TCustomPanel::captionAlignment()
{
    const auto inkRange = [](const QImage &img) {
        int first = img.width();
        int last = -1;
        for (int x = 0; x < img.width(); ++x) {
            if (img.pixelColor(x, img.height() / 2) == Text) {
                first = std::min(first, x);
                last = x;
            }
        }
        return std::make_pair(first, last);
    };
    TPanel panel;
    panel.resize(120, 30);
    panel.setCaption(QStringLiteral("\u2588"));
    panel.setAlignment(taLeftJustify);
    const auto left = inkRange(render(panel));
    QVERIFY2(left.first >= 1 && left.first <= 2, qPrintable(QString::number(left.first)));
    panel.setAlignment(taRightJustify);
    const auto right = inkRange(render(panel));
    QVERIFY(right.second >= 117 && right.second <= 118);
    panel.setAlignment(taCenter);
    const auto centre = inkRange(render(panel));
    QVERIFY(std::abs((centre.first + centre.second) / 2 - 60) <= 1);

    // Tabs are expanded, not drawn as boxes.
    panel.setAlignment(taLeftJustify);
    panel.setCaption(QStringLiteral("\t\u2588"));
    QVERIFY(inkRange(render(panel)).first > left.first + 8);
}

void tst_TCustomPanel::singleBorder()
{
    TPanel panel;
    panel.resize(20, 20);
    panel.setBorderStyle(bsSingle);
    QCOMPARE(panel.contentsRect(), QRect(2, 2, 16, 16));
    const QImage img = render(panel);
    QCOMPARE(at(img, 0, 10), Dark);
    QCOMPARE(at(img, 10, 0), Dark);
    QCOMPARE(at(img, 19, 10), Light);
    QCOMPARE(at(img, 10, 19), Light);
    QCOMPARE(at(img, 1, 10), DkShadow);
    QCOMPARE(at(img, 18, 10), Light3D);
    QCOMPARE(at(img, 2, 10), Light);   // the client area's own bevel, 2 pixels in
    QCOMPARE(at(img, 17, 10), Dark);
    QCOMPARE(at(img, 3, 10), Face);
    panel.setBorderStyle(bsNone);
    QCOMPARE(panel.contentsRect(), QRect(0, 0, 20, 20));
}

void tst_TCustomPanel::themeChangeShowsAtTheNextPaint()
{
    TPanel panel;
    QPalette pal = panel.palette();
    pal.setColor(QPalette::Light, QColor(10, 20, 30));
    panel.setPalette(pal);
    QCOMPARE(at(render(panel), 0, 5), QColor(10, 20, 30));
}

void tst_TCustomPanel::settersRepaintByTheirRules()
{
    CountingPanel panel;
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QTRY_VERIFY(panel.paints > 0);
    const auto paintsAfter = [&](auto change) {
        QApplication::processEvents();
        panel.paints = 0;
        change();
        QApplication::processEvents();
        return panel.paints;
    };
    QCOMPARE(paintsAfter([&] { panel.setBevelInner(panel.BevelInner()); }), 1);
    QCOMPARE(paintsAfter([&] { panel.setBevelWidth(panel.BevelWidth()); }), 1);
    QCOMPARE(paintsAfter([&] { panel.setColor(panel.Color()); }), 0);
    QCOMPARE(paintsAfter([&] { panel.setCaption(panel.Caption()); }), 0);
    QCOMPARE(paintsAfter([&] { panel.setBorderStyle(panel.BorderStyle()); }), 0);
    QCOMPARE(paintsAfter([&] {
                 panel.setBorderStyle(bsNone);
                 panel.setBorderWidth(0);
                 panel.setBevelWidth(3);
                 panel.setBevelInner(bvLowered);
                 panel.setBevelOuter(bvRaised);
                 panel.setColor(clRed);
             }),
             1);
}

void tst_TCustomPanel::fillChildrenFollowTheBevels()
{
    TPanel panel;
    panel.resize(100, 80);
    panel.show();
    auto *child = new QWidget(&panel);
    panel.addFillChild(child);
    QCOMPARE(child->geometry(), QRect(1, 1, 98, 78));
    panel.setBevelInner(bvRaised);
    panel.setBevelWidth(2);
    panel.setBorderWidth(1);
    QCOMPARE(child->geometry(), QRect(5, 5, 90, 70));
    panel.resize(50, 50);
    QCOMPARE(child->geometry(), QRect(5, 5, 40, 40));
}

QTEST_MAIN(tst_TCustomPanel)
#include "tst_TCustomPanel.moc"
