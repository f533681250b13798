#pragma once

// The main window as the widget tests drive it: a temporary program folder,
// scripted dialogs, a clock the test moves, a fixed seed, a silent sound output and the
// message box captured.

#include "Doubles.h"
#include "app/BoardView.h"
#include "app/TForm1.h"
#include "game/Game.h"
#include "settings/TGameSettings.h"

#include <QFile>
#include <QTemporaryDir>

#include <memory>

class TestWindow
{
public:
    QTemporaryDir dir;
    ScriptedColors colors;
    ScriptedMusic music;
    MessageCapture messages;
    std::uint32_t seed = 777;
    qint64 clockMs = 1'000'000;

    std::unique_ptr<TForm1> start()
    {
        TForm1::Environment env;
        env.programFolder = dir.path();
        env.clockMs = [this] { return clockMs; };
        env.randomSeed = [this] { return seed; };
        env.colors = &colors;
        env.music = &music;
        env.audioSink = QStringLiteral("fakesink sync=true");
        return std::make_unique<TForm1>(env);
    }

    QString dbData() const { return dir.filePath(QStringLiteral("DbData")); }
    QByteArray readDbData() const
    {
        QFile f(dbData());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void writeDbData(const QByteArray &bytes) const
    {
        QFile f(dbData());
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
    }
    void writeSettings(const TGameSettings &s) const { writeDbData(s.toBytes()); }

    // Wins the board in play pair by pair, as a player who knows where every
    // pair lies, the clock moving on by seconds.
    void winBoard(TForm1 &w, double seconds)
    {
        Game &g = w.game();
        const qint64 start = clockMs;
        const int pairs = g.rows() * g.cols() / 2;
        int pair = 0;
        const auto press = [&g](int r, int c) {
            g.MouseDown(r, c);
            g.Timer1Timer();
        };
        for (int r = 1; r <= g.rows(); ++r) {
            for (int c = 1; c <= g.cols(); ++c) {
                if (!g.tile(r, c).Visible)
                    continue;
                for (int r2 = r; r2 <= g.rows(); ++r2)
                    for (int c2 = 1; c2 <= g.cols(); ++c2)
                        if ((r2 != r || c2 != c) && g.tile(r2, c2).Visible
                            && g.tile(r2, c2).PairColor == g.tile(r, c).PairColor) {
                            press(r, c);
                            clockMs = start + qint64(seconds * 1000) * ++pair / pairs;
                            press(r2, c2);
                            g.Timer3Timer();
                        }
            }
        }
    }
    TGameSettings storedSettings() const
    {
        TGameSettings s;
        TGameSettings::fromBytes(readDbData(), s);
        return s;
    }
};
