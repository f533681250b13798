#include "Seed.h"
#include "TestWindow.h"
#include "base/GameTimer.h"
#include "base/Messages.h"
#include "app/TForm1.h"
#include "widgets/tcl.h"
#include "music/Music.h"
#include "settings_page/ColorChooser.h"
#include "settings_page/NumberField.h"
#include "settings_page/SettingsPage.h"
#include "settings_page/UpDown.h"

#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <map>

namespace {

// The colour dialog cancelled one time in four, else any colour.
class RandomColors : public ColorChooser
{
public:
    explicit RandomColors(QRandomGenerator &rng) : m_rng(rng) {}
    bool choose(QWidget *, QColor &color) override
    {
        if (m_rng.bounded(4) == 0)
            return false;
        color = QColor::fromRgb(m_rng.generate() & 0xFFFFFF);
        return true;
    }

private:
    QRandomGenerator &m_rng;
};

} // namespace

// A long random run of everything a player and the clock can do to the
// window, with the rules of the game checked after every event.
class tst_Stress : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void randomRun();
};

void tst_Stress::randomRun()
{
    const int events = qEnvironmentVariableIntValue("TILIMI_STRESS_EVENTS") > 0
        ? qEnvironmentVariableIntValue("TILIMI_STRESS_EVENTS")
        : 100000;
    const quint32 seed = testSeed();
    QRandomGenerator rng(seed);
    RandomColors colors(rng);
    TestWindow f;
    f.seed = seed;
    TForm1::Environment env;
    env.programFolder = f.dir.path();
    env.colors = &colors;
    env.randomSeed = [seed] { return seed; };
    TForm1 w(env);
    w.setMinimumSize(0, 0); // so that tiny windows are tried too
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    Game &g = w.game();
    SettingsPage *page = w.settingsPage();
    // A timer that is on runs out now.
    const auto fire = [](const GameTimer &t, auto handler) {
        if (t.isEnabled())
            handler();
    };

    std::map<int, int> counts;
    for (int i = 0; i < events; ++i) {
        const int kind = rng.bounded(100);
        ++counts[kind / 10];
        if (kind < 30) {
            const int r = rng.bounded(1, 7);
            const int c = rng.bounded(1, 9);
            tcl *tile = w.board().tile(r, c);
            const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
            if (!tile->isHidden() && tile->width() > 0 && tile->height() > 0)
                QTest::mousePress(tile, buttons[rng.bounded(3)], {}, QPoint(0, 0));
            else
                g.MouseDown(r, c);
        } else if (kind < 40) {
            fire(g.timer1(), [&] { g.Timer1Timer(); });
        } else if (kind < 48) {
            fire(g.timer3(), [&] { g.Timer3Timer(); });
        } else if (kind < 50) {
            fire(g.timer4(), [&] { g.Timer4Timer(); });
        } else if (kind < 58) {
            fire(g.timer5(), [&] { g.Timer5Timer(); });
        } else if (kind < 59) {
            fire(*part<GameTimer>(&w, "Timer2"), [&] { Q_EMIT part<GameTimer>(&w, "Timer2")->timeout(); });
        } else if (kind < 61) {
            part<QAction>(&w, "N15")->trigger();
        } else if (kind < 63) {
            (rng.bounded(3) == 0 ? part<QAction>(&w, "N1") : rng.bounded(2) ? part<QAction>(&w, "N2") : part<QAction>(&w, "N3"))->trigger();
        } else if (kind < 66) {
            part<QAction>(&w, "N6")->trigger();
        } else if (kind < 68) {
            part<QAction>(&w, "N10")->trigger();
        } else if (kind < 70) {
            part<QAction>(&w, "MnGame2")->trigger();
        } else if (kind < 72) {
            w.MnGame1Popup();
        } else if (kind < 82) {
            QPushButton *buttons[] = {part<QPushButton>(page, "Button3"), part<QPushButton>(page, "Button4"), part<QPushButton>(page, "Button10"), part<QPushButton>(page, "Button11"),
                                      part<QPushButton>(page, "Button6"), part<QPushButton>(page, "Button1")};
            UpDown *arrows[] = {part<NumberField>(page, "Panel9")->upDown(), part<NumberField>(page, "Panel10")->upDown(), part<NumberField>(page, "Panel4")->upDown()};
            if (rng.bounded(2))
                buttons[rng.bounded(6)]->click();
            else
                rng.bounded(2) ? arrows[rng.bounded(3)]->stepUp() : arrows[rng.bounded(3)]->stepDown();
        } else if (kind < 85) {
            part<QPushButton>(page, "Button13")->click(); // Apply
        } else if (kind < 87) {
            part<QPushButton>(page, "Button14")->click(); // Cancel
        } else if (kind < 88) {
            part<QPushButton>(page, "Button9")->click(); // Defaults
        } else if (kind < 91) {
            const bool tiny = rng.bounded(4) == 0;
            w.resize(tiny ? rng.bounded(1, 40) : rng.bounded(100, 1600),
                     tiny ? rng.bounded(1, 40) : rng.bounded(100, 1000));
        } else {
            QApplication::processEvents();
        }

        // The rules that must hold after every event.
        int faceUp = 0;
        std::map<TColor, int> pairs;
        for (int r = 1; r <= 6; ++r) {
            for (int c = 1; c <= 8; ++c) {
                const TileState &t = g.tile(r, c);
                faceUp += t.Visible && t.FaceUp;
                if (t.Visible)
                    ++pairs[t.PairColor];
                if (w.board().tile(r, c)->isHidden() == t.Visible)
                    QFAIL(qPrintable(QStringLiteral("tile %1,%2 shown wrongly after event %3").arg(r).arg(c).arg(i)));
            }
        }
        if (faceUp > 2)
            QFAIL(qPrintable(QStringLiteral("%1 tiles face up after event %2").arg(faceUp).arg(i)));
        for (const auto &[colour, n] : pairs) {
            if (n != 2)
                QFAIL(qPrintable(QStringLiteral("a colour on %1 tiles after event %2").arg(n).arg(i)));
        }
        if (part<QMenu>(&w, "MnGame1")->menuAction()->isVisible() == part<QAction>(&w, "MnGame2")->isVisible())
            QFAIL(qPrintable(QStringLiteral("both or neither Game item after event %1").arg(i)));
        if (!w.settings().isValid())
            QFAIL(qPrintable(QStringLiteral("settings out of range after event %1").arg(i)));
    }
    QVERIFY(f.messages.texts.isEmpty());
    QVERIFY(w.close());
}

QTEST_MAIN(tst_Stress)
#include "tst_Stress.moc"
