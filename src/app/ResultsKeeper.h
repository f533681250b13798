#pragma once

#include "game/GameWin.h"
#include "game/Match.h"
#include "settings/BestResults.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>
#include <utility>

class QWidget;

// The best results of the player: counts a win that enters a table, empties
// a table, and shows them in Игра ▸ Рекорды…. Every change is stored in
// "Results.json" the moment it happens: Выход stores nothing, and a result
// once shown must outlive it.
class ResultsKeeper : public QObject
{
    Q_OBJECT

public:
    // folder: where "Results.json" lives; window: the dialog's and the
    // messages' parent.
    ResultsKeeper(QString folder, QWidget *window);

    // Reads the file, as at start-up. Never throws.
    void load();
    const BestResults &results() const { return m_results; }

    // A board won: a win of the player on a board of one of the two sizes
    // that enters its table is stored, and noteChanged tells its place.
    void recordWin(const GameWin &win);
    // A board against someone ended: one against the computer is counted
    // in the tally of its strength and stored at once; the best results
    // never count it.
    void recordMatch(Match::Opponent opponent, Match::Outcome outcome);
    // Records every board of the match as it ends.
    void countMatches(const Match &match);
    // Empties a board's table.
    void reset(BestResults::Board board);
    // Opens the dialog on the table of the board of that size (the small
    // one for any other size).
    void showDialog(int cols, int rows);

Q_SIGNALS:
    // The line that tells the player a win entered the table.
    void noteChanged(const QString &note);

private:
    void store();
    // Runs write; a failure is told once, until a store succeeds.
    void storeWith(const std::function<void()> &write);

    QString m_folder;
    QWidget *m_window;
    BestResults m_results; // as "Results.json" holds them once stored
    // The entry the last counted win made, shown in bold by the dialog.
    std::optional<std::pair<BestResults::Board, BestResults::Entry>> m_latest;
    // Storing failed and the player was told; told again only after a
    // store that succeeds.
    bool m_unstored = false;
};
