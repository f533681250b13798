#include "TestWindow.h"
#include "base/GameTimer.h"
#include "game/Palette.h"
#include "settings_page/SettingsPage.h"
#include "widgets/FocusCue.h"
#include "widgets/SchemeColor.h"
#include "widgets/tcl.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// The board from the keyboard, through real key events on a shown window.
class tst_BoardView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void arrowsMoveTheCueOverTheBoardInPlay();
    void spaceAndEnterPressLikeTheMouse();
    void aMousePressHidesTheCue();
    void theCueLeavesRingsAndGapsAlone();
    void colourMarksInkTheInteriorOnly();
    void everyColourTakesTheInkThatReadsBest();
    void marksShowAtEveryBevelOnTheSmallestWindow();
    void colourMarksKeepTheTurnAndAreRemembered();

private:
    void type(std::initializer_list<Qt::Key> keys);
    // Shows the cue if it is hidden, then moves it from where it is to row, col.
    void goTo(int row, int col);
    QPoint cueAt() const { return {m_w->board().cue().col(), m_w->board().cue().row()}; }
    FocusCue *mark() const { return m_w->findChild<FocusCue *>(); }
    QImage client() const { return m_w->clientArea()->grab().toImage(); }

    std::unique_ptr<TestWindow> m_f;
    std::unique_ptr<TForm1> m_w;
};

void tst_BoardView::init()
{
    m_f = std::make_unique<TestWindow>();
    m_w = m_f->start();
    m_w->show();
    QVERIFY(QTest::qWaitForWindowActive(m_w.get()));
    QTRY_VERIFY(!part<GameTimer>(m_w, "Timer2")->isEnabled());
}

void tst_BoardView::cleanup()
{
    m_w.reset();
    m_f.reset();
}

void tst_BoardView::type(std::initializer_list<Qt::Key> keys)
{
    for (Qt::Key key : keys)
        QTest::keyClick(m_w->windowHandle(), key);
}

void tst_BoardView::goTo(int row, int col)
{
    if (!m_w->board().cue().isShown())
        type({Qt::Key_Down});
    while (cueAt() != QPoint(col, row)) {
        const QPoint at = cueAt();
        type({row > at.y() ? Qt::Key_Down : row < at.y() ? Qt::Key_Up
              : col > at.x() ? Qt::Key_Right : Qt::Key_Left});
    }
}

void tst_BoardView::arrowsMoveTheCueOverTheBoardInPlay()
{
    QVERIFY(!mark()->isVisible());
    type({Qt::Key_Right});
    QCOMPARE(cueAt(), QPoint(1, 1)); // the first arrow only shows it
    QVERIFY(mark()->isVisible());
    type({Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Left});
    QCOMPARE(cueAt(), QPoint(2, 2));
    for (int i = 0; i < 8; ++i)
        type({Qt::Key_Right, Qt::Key_Down});
    QCOMPARE(cueAt(), QPoint(6, 4));
    QVERIFY(m_w->board().tile(4, 6)->geometry().contains(mark()->geometry()));

    // A larger board keeps the position; a smaller one takes the nearest.
    part<QAction>(m_w, "N3")->trigger();
    QCOMPARE(cueAt(), QPoint(6, 4));
    for (int i = 0; i < 3; ++i)
        type({Qt::Key_Right, Qt::Key_Down});
    QCOMPARE(cueAt(), QPoint(8, 6));
    QVERIFY(m_w->board().tile(6, 8)->geometry().contains(mark()->geometry()));
    m_w->Defaults();
    QCOMPARE(cueAt(), QPoint(6, 4));
    QVERIFY(m_w->board().tile(4, 6)->geometry().contains(mark()->geometry()));
    QVERIFY(mark()->isVisible());
}

void tst_BoardView::spaceAndEnterPressLikeTheMouse()
{
    Game &g = m_w->game();
    type({Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter});
    QCOMPARE(g.MoveCount(), 0);
    QVERIFY(!g.tile(1, 1).FaceUp);

    type({Qt::Key_Down, Qt::Key_Space});
    QVERIFY(g.tile(1, 1).FaceUp);
    // During the compare a press is counted and reveals nothing, as a click.
    type({Qt::Key_Right, Qt::Key_Return});
    QCOMPARE(g.MoveCount(), 2);
    QVERIFY(!g.tile(1, 2).FaceUp);
    QTRY_VERIFY(!g.timer1().isEnabled() && !g.timer3().isEnabled());
    g.ToggleDemo();
    QTest::keyClick(m_w->windowHandle(), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(g.MoveCount(), 3);
    QVERIFY(g.tile(1, 2).FaceUp);
    QVERIFY(!g.timer5().isEnabled());
    QTRY_VERIFY(!g.timer1().isEnabled() && !g.timer3().isEnabled());

    // A pair matched from the keyboard vanishes; on its place the cue stays
    // where the tile was, and a press does nothing.
    QPoint partner;
    for (int r = 1; r <= 4; ++r)
        for (int c = 1; c <= 6; ++c)
            if (QPoint(c, r) != QPoint(2, 1) && g.tile(r, c).PairColor == g.tile(1, 2).PairColor)
                partner = {c, r};
    const QRect onTile = mark()->geometry();
    goTo(partner.y(), partner.x());
    type({Qt::Key_Space});
    QTRY_VERIFY(!g.tile(1, 2).Visible && !g.tile(partner.y(), partner.x()).Visible);
    goTo(1, 2);
    QCOMPARE(mark()->geometry(), onTile);
    QVERIFY(mark()->isVisible());
    const int count = g.MoveCount();
    type({Qt::Key_Space, Qt::Key_Return});
    QCOMPARE(g.MoveCount(), count);
}

void tst_BoardView::aMousePressHidesTheCue()
{
    Game &g = m_w->game();
    type({Qt::Key_Right, Qt::Key_Right, Qt::Key_Right});
    QTest::mousePress(m_w->board().tile(3, 3), Qt::LeftButton);
    QVERIFY(g.tile(3, 3).FaceUp);
    QVERIFY(!mark()->isVisible());
    type({Qt::Key_Space});
    QCOMPARE(g.MoveCount(), 1);
    type({Qt::Key_Down});
    QCOMPARE(cueAt(), QPoint(3, 1)); // back where it was

    auto *background = part<TCustomPanel>(m_w, "Panel1");
    QTest::mouseClick(background, Qt::LeftButton, {}, background->rect().bottomRight() - QPoint(1, 1));
    QVERIFY(!mark()->isVisible());
    type({Qt::Key_Return});
    QCOMPARE(g.MoveCount(), 1);
}

namespace {

// What the cue adds to the picture of the client area: empty when every
// changed pixel lies inside the tile's interior, clear of its edge (so the
// rings and the gaps are untouched), and stands out against the tile's
// colour; else the first fault.
QString cueFault(const QImage &without, const QImage &with, const tcl &t)
{
    const QRect inside = t.childArea().translated(t.pos()).adjusted(1, 1, -1, -1);
    const int own = qGray(toQColor(t.Color(), t.palette()).rgb());
    int dots = 0;
    for (int y = 0; y < with.height(); ++y) {
        for (int x = 0; x < with.width(); ++x) {
            if (with.pixel(x, y) == without.pixel(x, y))
                continue;
            if (!inside.contains(x, y))
                return QStringLiteral("a pixel changed outside the interior at %1, %2").arg(x).arg(y);
            if (std::abs(qGray(with.pixel(x, y)) - own) < 96)
                return QStringLiteral("a dot at %1, %2 does not stand out").arg(x).arg(y);
            ++dots;
        }
    }
    return dots > 20 ? QString() : QStringLiteral("%1 dots").arg(dots);
}

} // namespace

void tst_BoardView::theCueLeavesRingsAndGapsAlone()
{
    // A concealed tile: silver.
    const QImage before = client();
    type({Qt::Key_Down});
    QString fault = cueFault(before, client(), *m_w->board().tile(1, 1));
    QVERIFY2(fault.isEmpty(), qPrintable(fault));

    // A revealed tile of a dark colour, the other way round.
    Game &g = m_w->game();
    QPoint dark;
    for (int r = 1; r <= 4; ++r)
        for (int c = 1; c <= 6; ++c)
            if (qGray(toQColor(g.tile(r, c).PairColor, {}).rgb()) < 100)
                dark = {c, r};
    QVERIFY(!dark.isNull());
    goTo(dark.y(), dark.x());
    type({Qt::Key_Space});
    const QImage revealed = client();
    auto *background = part<TCustomPanel>(m_w, "Panel1");
    QTest::mouseClick(background, Qt::LeftButton, {}, background->rect().bottomRight() - QPoint(1, 1));
    QVERIFY(g.tile(dark.y(), dark.x()).FaceUp);
    fault = cueFault(client(), revealed, *m_w->board().tile(dark.y(), dark.x()));
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
}

namespace {

// The ink of each colour of the palette, in its order: black or white,
// whichever has the higher contrast ratio (bright green, grey 127, reads
// 15.3:1 in black and 1.4:1 in white).
constexpr char PaletteInk[] = "wwwbbbbbbwwbbbbwbbbbbbbb";
static_assert(sizeof(PaletteInk) == Palette::Count + 1);

QRgb inkOn(TColor color)
{
    const Palette::Entry *entry = Palette::find(color);
    return PaletteInk[entry - Palette::Entries.data()] == 'b' ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
}

// What the marks add to the picture of the client area, with the one
// revealed tile t: empty when exactly the figure's cells changed, in the
// colour's ink, and nothing else (so the rings and the gaps are untouched);
// else the first fault.
QString markFault(const QImage &without, const QImage &with, const tcl &t)
{
    if (!t.mark())
        return QStringLiteral("no mark on the revealed tile");
    const QRect area = t.markRect().translated(t.pos());
    const int cell = area.width() / MarkFigure::Size;
    if (cell < 2 || !t.childArea().translated(t.pos()).adjusted(3, 3, -3, -3).contains(area))
        return QStringLiteral("the mark lies at %1, %2, %3 by %4").arg(area.x()).arg(area.y()).arg(area.width()).arg(area.height());
    const QRgb ink = inkOn(t.Color());
    for (int y = 0; y < with.height(); ++y) {
        for (int x = 0; x < with.width(); ++x) {
            const bool inked = area.contains(x, y)
                && t.mark()->cell((y - area.y()) / cell, (x - area.x()) / cell);
            const QRgb expected = inked ? ink : without.pixel(x, y);
            if ((with.pixel(x, y) & 0xFFFFFF) != (expected & 0xFFFFFF))
                return QStringLiteral("pixel %1, %2 is %3, not %4").arg(x).arg(y)
                    .arg(with.pixel(x, y) & 0xFFFFFF, 6, 16).arg(expected & 0xFFFFFF, 6, 16);
        }
    }
    return {};
}

// Empty when the tile as painted shows its mark whole, in cells of at least
// 2 pixels within the tile: each cell of the figure in the colour's ink,
// each other cell in the tile's own colour; else the first fault.
QString figureFault(tcl &t)
{
    const QRect area = t.markRect();
    const int cell = area.width() / MarkFigure::Size;
    if (!t.mark() || cell < 2 || !t.rect().contains(area))
        return QStringLiteral("no room for the mark on a tile of %1 by %2, interior %3 by %4")
            .arg(t.width()).arg(t.height()).arg(t.childArea().width()).arg(t.childArea().height());
    const QImage picture = t.grab().toImage();
    const QRgb ink = inkOn(t.Color());
    const QRgb own = toQColor(t.Color(), t.palette()).rgb();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb expected = t.mark()->cell((y - area.y()) / cell, (x - area.x()) / cell) ? ink : own;
            if ((picture.pixel(x, y) & 0xFFFFFF) != (expected & 0xFFFFFF))
                return QStringLiteral("pixel %1, %2 is %3, not %4").arg(x).arg(y)
                    .arg(picture.pixel(x, y) & 0xFFFFFF, 6, 16).arg(expected & 0xFFFFFF, 6, 16);
        }
    }
    return {};
}

} // namespace

void tst_BoardView::colourMarksInkTheInteriorOnly()
{
    // The large board's tiles are the smaller ones; one light and one dark
    // colour, each alone face up.
    part<QAction>(m_w, "N3")->trigger();
    Game &g = m_w->game();
    auto *marks = part<QAction>(m_w, "colorMarks");
    QVERIFY(marks->isCheckable() && !marks->isChecked());
    for (const bool light : {true, false}) {
        QPoint p;
        for (int r = 1; r <= 6; ++r)
            for (int c = 1; c <= 8; ++c)
                if ((inkOn(g.tile(r, c).PairColor) == qRgb(0, 0, 0)) == light)
                    p = {c, r};
        g.MouseDown(p.y(), p.x());
        QTRY_VERIFY(!g.timer1().isEnabled());
        QCOMPARE(g.FirstRow(), p.y());
        const QImage without = client();
        marks->trigger();
        const QImage with = client();
        const QString fault = markFault(without, with, *m_w->board().tile(p.y(), p.x()));
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        marks->trigger();
        QCOMPARE(client(), without);
    }
}

void tst_BoardView::everyColourTakesTheInkThatReadsBest()
{
    // Each pair of the large board, all 24 colours, turned from the
    // keyboard: the mark and the cue on the second tile in the same ink.
    part<QAction>(m_w, "N3")->trigger();
    part<QAction>(m_w, "colorMarks")->trigger();
    Game &g = m_w->game();
    for (const Palette::Entry &entry : Palette::Entries) {
        QList<QPoint> pair;
        for (int r = 1; r <= 6; ++r)
            for (int c = 1; c <= 8; ++c)
                if (g.tile(r, c).PairColor == entry.color)
                    pair << QPoint(c, r);
        QCOMPARE(pair.size(), 2);
        for (const QPoint &p : pair) {
            goTo(p.y(), p.x());
            type({Qt::Key_Space});
            g.Timer1Timer();
        }
        tcl &second = *m_w->board().tile(pair[1].y(), pair[1].x());
        const QString fault = figureFault(second);
        QVERIFY2(fault.isEmpty(), qPrintable(QString::fromUtf8(entry.name) + QStringLiteral(": ") + fault));
        QCOMPARE(mark()->penColor().rgb(), inkOn(entry.color));
        QVERIFY2(contrastRatio(mark()->penColor(), toQColor(entry.color, {})) >= 4.5, entry.name);
        g.Timer3Timer();
        QVERIFY(!g.tile(pair[0].y(), pair[0].x()).Visible);
    }
}

void tst_BoardView::marksShowAtEveryBevelOnTheSmallestWindow()
{
    // The smallest tiles the settings page allows: both bevels at every
    // width, the widest gap, the smallest window.
    part<QAction>(m_w, "colorMarks")->trigger();
    m_w->resize(m_w->minimumSize());
    QTRY_COMPARE(m_w->size(), m_w->minimumSize());
    SettingsPage *page = m_w->settingsPage();
    Game &g = m_w->game();
    for (const char *board : {"N2", "N3"}) {
        part<QAction>(m_w, board)->trigger();
        for (int width = 1; width <= 10; ++width) {
            part<QAction>(m_w, "N6")->trigger();
            part<QLineEdit>(page, "Edit1")->setText(QStringLiteral("15"));
            part<QLineEdit>(page, "Edit5")->setText(QString::number(width));
            part<QPushButton>(page, "Button13")->click();
            QCOMPARE(m_w->settings().ShownStyle, (TPanelStyle{0, 0, std::uint8_t(width), 1, 2}));
            const int row = g.rows() - width % 2;
            g.MouseDown(row, width % 2 + 1);
            QVERIFY(g.tile(row, width % 2 + 1).FaceUp);
            const QString fault = figureFault(*m_w->board().tile(row, width % 2 + 1));
            QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("%1, bevel %2: %3").arg(board).arg(width).arg(fault)));
        }
    }
}

void tst_BoardView::colourMarksKeepTheTurnAndAreRemembered()
{
    Game &g = m_w->game();
    auto *marks = part<QAction>(m_w, "colorMarks");
    // Mid-turn: one tile waits, a second is up with the compare pending.
    g.MouseDown(1, 1);
    QTRY_VERIFY(!g.timer1().isEnabled());
    const QPoint other = g.tile(1, 2).PairColor == g.tile(1, 1).PairColor ? QPoint(3, 1) : QPoint(2, 1);
    g.MouseDown(other.y(), other.x());
    QVERIFY(g.timer1().isEnabled());
    const auto turn = [&] {
        return QList<double>{double(g.FirstRow()), double(g.FirstCol()), double(g.SecondRow()),
                             double(g.SecondCol()), double(g.MoveCount()), double(g.Tag()),
                             double(g.StartMs()), double(g.timer1().isEnabled()), double(g.timer5().isEnabled())};
    };
    const QList<double> before = turn();
    marks->trigger();
    QCOMPARE(turn(), before);
    QVERIFY(m_w->board().tile(1, 1)->mark() && m_w->board().tile(other.y(), other.x())->mark());
    QVERIFY(!m_w->board().tile(2, 2)->mark());
    // The compare turns the older tile down, and its mark goes with it.
    QTRY_VERIFY(!g.timer1().isEnabled());
    QVERIFY(!m_w->board().tile(1, 1)->mark());
    QVERIFY(m_f->messages.texts.isEmpty());

    // Stored at once: the next run starts with the marks, though the window
    // went without storing, as after Выход.
    m_w.reset();
    m_w = m_f->start();
    QVERIFY(part<QAction>(m_w, "colorMarks")->isChecked());
    QVERIFY(m_w->board().marksShown());

    // A choice that cannot be stored still shows, and the box says why.
    const QString prefs = m_f->dir.filePath(QStringLiteral("Preferences.json"));
    QVERIFY(QFile::remove(prefs) && QDir().mkdir(prefs));
    part<QAction>(m_w, "colorMarks")->trigger();
    QVERIFY(!m_w->board().marksShown());
    QCOMPARE(m_f->messages.texts,
             QStringList{QStringLiteral("Выбор не удалось сохранить в файле %1: File access denied. "
                                        "Он действует до выхода из игры.").arg(prefs)});
}

QTEST_MAIN(tst_BoardView)
#include "tst_BoardView.moc"
