// The real delays of a turn in a shown window: from a press to the reveal
// painted, from the second reveal to the older tile's concealment painted
// (110 ms by design) and to the vanishing of a matched pair (165 ms).

#include "app/BoardView.h"
#include "app/TForm1.h"
#include "game/Game.h"
#include "widgets/tcl.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <map>

namespace {

// Records when each tile was last painted and hidden.
class Watch : public QObject
{
public:
    QElapsedTimer clock;
    std::map<QObject *, qint64> painted;
    std::map<QObject *, qint64> hidden;

    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Paint)
            painted[o] = clock.nsecsElapsed();
        else if (e->type() == QEvent::Hide)
            hidden[o] = clock.nsecsElapsed();
        return false;
    }
};

double median(QList<double> v)
{
    std::sort(v.begin(), v.end());
    return v.isEmpty() ? 0 : v[v.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
    QApplication app(argc, argv);
    const int turns = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 30;
    QTemporaryDir dir;
    TForm1::Environment env;
    env.programFolder = dir.path();
    TForm1 w(env);
    w.show();
    if (!QTest::qWaitForWindowExposed(&w))
        return 1;
    QTest::qWait(400); // past the second start-up pass
    Watch watch;
    watch.clock.start();
    for (int r = 1; r <= 6; ++r)
        for (int c = 1; c <= 8; ++c)
            w.board().tile(r, c)->installEventFilter(&watch);
    Game &g = w.game();

    const auto visibleTiles = [&] {
        QList<QPoint> tiles;
        for (int r = 1; r <= 4; ++r)
            for (int c = 1; c <= 6; ++c)
                if (g.tile(r, c).Visible)
                    tiles << QPoint(c, r);
        return tiles;
    };
    const auto waitFor = [&](auto done, int ms) {
        QElapsedTimer t;
        t.start();
        while (!done() && t.elapsed() < ms)
            QApplication::processEvents(QEventLoop::AllEvents, 1);
        return done();
    };
    const auto press = [&](QPoint p) {
        tcl *tile = w.board().tile(p.y(), p.x());
        watch.painted.erase(tile);
        const qint64 at = watch.clock.nsecsElapsed();
        QTest::mousePress(tile, Qt::LeftButton);
        waitFor([&] { return watch.painted.count(tile) > 0; }, 1000);
        return std::make_pair(at, watch.painted[tile]);
    };

    QList<double> reveal, conceal, vanish;
    while (conceal.size() < turns) {
        QList<QPoint> tiles = visibleTiles();
        if (tiles.size() < 4 || g.timer4().isEnabled()) {
            // The next board now instead of two seconds later.
            g.Timer4Timer();
            QTest::qWait(300);
            continue;
        }
        // A waits; B differs from A, so A is concealed 110 ms after B shows;
        // then B's partner shows and the pair vanishes 55 ms later.
        const QPoint a = tiles[0];
        QPoint b, partner;
        for (QPoint t : tiles)
            if (g.tile(t.y(), t.x()).PairColor != g.tile(a.y(), a.x()).PairColor) {
                b = t;
                break;
            }
        for (QPoint t : tiles)
            if (t != b && g.tile(t.y(), t.x()).PairColor == g.tile(b.y(), b.x()).PairColor)
                partner = t;
        if (g.FirstRow() != a.y() || g.FirstCol() != a.x() || !g.tile(a.y(), a.x()).FaceUp) {
            const auto shown = press(a);
            reveal << (shown.second - shown.first) / 1e6;
            QTest::qWait(200);
        }
        tcl *aw = w.board().tile(a.y(), a.x());
        const auto shownB = press(b);
        reveal << (shownB.second - shownB.first) / 1e6;
        watch.painted.erase(aw);
        waitFor([&] { return watch.painted.count(aw) > 0; }, 1000);
        conceal << (watch.painted[aw] - shownB.second) / 1e6;
        QTest::qWait(100);
        tcl *pw = w.board().tile(partner.y(), partner.x());
        watch.hidden.erase(pw);
        const auto shownP = press(partner);
        reveal << (shownP.second - shownP.first) / 1e6;
        waitFor([&] { return watch.hidden.count(pw) > 0; }, 1000);
        vanish << (watch.hidden[pw] - shownP.second) / 1e6;
        QTest::qWait(100);
    }
    std::printf("turns %lld\npress to reveal painted: median %.1f ms\n"
                "reveal to conceal painted: median %.1f ms (design 110)\n"
                "reveal to vanishing: median %.1f ms (design 165)\n",
                static_cast<long long>(conceal.size()), median(reveal), median(conceal), median(vanish));
    return 0;
}
