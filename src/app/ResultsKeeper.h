#pragma once

#include "StoreReport.h"
#include "game/GameWin.h"
#include "game/Match.h"
#include "settings/BestResults.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>
#include <utility>

class QWidget;

// The best results of the player: counts a win that enters a table, empties
// a table, and shows them in Игра ▸ Рекорды…. Every change is stored in
// "Results.json" the moment it happens (Выход stores nothing, and a result
// once shown must outlive it), merged into what the file holds then, so two
// copies of the game in one folder keep each other's results.
class ResultsKeeper : public QObject
{
    Q_OBJECT

public:
    // folder: where "Results.json" lives; window: the dialog's and the
    // messages' parent.
    ResultsKeeper(QString folder, QWidget *window);

    // Reads the file, as at start-up. Never throws.
    void load();
    // The tables as the file held them when last read or written, with the
    // wins it could not be given yet.
    const BestResults &results() const { return m_results; }

    // A board won: a win of the player on a board of one of the two sizes
    // that enters its table is stored, and noteChanged tells its place.
    void recordWin(const GameWin &win);
    // A board against someone ended: one against the computer is counted
    // in the tally of its strength, as the file holds it now, and stored at
    // once; the best results never count it.
    void recordMatch(Match::Opponent opponent, Match::Outcome outcome);
    // Records every board of the match as it ends.
    void countMatches(const Match &match);
    // Empties a board's table as the file holds it.
    void reset(BestResults::Board board);
    // Opens the dialog, on the tables the file holds now, at the table of
    // the board of that size (the small one for any other size).
    void showDialog(int cols, int rows);

Q_SIGNALS:
    // The line that tells the player a win entered the table.
    void noteChanged(const QString &note);

private:
    using Win = std::pair<BestResults::Board, BestResults::Entry>;

    // The tables as the file holds them now, with the wins not stored yet
    // and edit's change, stored under the file's lock; they are the tables
    // shown even where the store fails, and the player is told failure.
    void store(const std::function<void(BestResults &)> &edit, const QString &failure);
    void tell(const QString &text);

    QString m_folder;
    QWidget *m_window;
    BestResults m_results;
    // Wins the file does not hold yet: a store that failed leaves them here
    // for the next one.
    QList<Win> m_unstored;
    // The entry the last counted win made, shown in bold by the dialog.
    std::optional<Win> m_latest;
    // What the player is told of the file: one report for the tables and
    // the tally alike, so a full disk is told once.
    StoreReport m_report;
};
