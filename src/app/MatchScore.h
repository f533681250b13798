#pragma once

#include "game/Match.h"

#include <QObject>
#include <QString>

#include <optional>

class BoardView;

// The match as the player sees and hears it. The menu bar's result place
// shows the score and whose turn it is during play, the winner or a draw at
// the end; a screen reader is told each turn, each of the computer's tiles,
// each score change and the end, through the board's one announcement.
class MatchScore : public QObject
{
    Q_OBJECT

public:
    MatchScore(Match &match, BoardView &board, QObject *parent = nullptr);

    // What the result place shows: the score, and whose turn or who won.
    QString scoreText() const;
    QString stateText() const;
    // The last thing the match told a screen reader.
    QString told() const { return m_told; }

private:
    void show();
    void tell(const QString &text);
    QString turnText() const;
    QString outcomeText(Match::Outcome outcome) const;

    Match &m_match;
    BoardView &m_board;
    std::optional<Match::Outcome> m_outcome;
    QString m_told;
};
