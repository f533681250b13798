#include "MatchScore.h"

#include "BoardView.h"
#include "access/ResultAccessible.h"

#include <QAction>

MatchScore::MatchScore(Match &match, BoardView &board, QObject *parent)
    : QObject(parent), m_match(match), m_board(board)
{
    connect(&match, &Match::started, this, [this] {
        m_outcome.reset();
        show();
        tell(turnText());
    });
    connect(&match, &Match::turnPassed, this, [this] {
        show();
        tell(turnText());
    });
    connect(&match, &Match::scored, this, [this](Match::Side side) {
        show();
        const int home = m_match.score(Match::Home);
        const int away = m_match.score(Match::Away);
        const bool computer = Match::isComputer(m_match.opponent());
        QString text;
        if (side == Match::Home)
            text = computer ? tr("Пара ваша, счёт %1 : %2.") : tr("Пара игрока 1, счёт %1 : %2.");
        else
            text = computer ? tr("Пара компьютера, счёт %1 : %2.") : tr("Пара игрока 2, счёт %1 : %2.");
        tell(text.arg(home).arg(away));
    });
    connect(&match, &Match::computerTurned, this, [this](int row, int col) {
        tell(tr("Компьютер открыл плитку: %1.").arg(m_board.tileName(row, col)));
    });
    connect(&match, &Match::ended, this, [this](Match::Outcome outcome) {
        m_outcome = outcome;
        show();
        tell(outcomeText(outcome));
    });
    // The result place is the solitaire's again, empty until its next win.
    connect(&match, &Match::stopped, this, [this] {
        for (QAction *item : {m_board.timeItem(), m_board.countItem()}) {
            item->setText(QString());
            item->setProperty(ResultAccessible::LabelProperty, QVariant());
        }
    });
}

QString MatchScore::scoreText() const
{
    const QString text = Match::isComputer(m_match.opponent()) ? tr("Вы %1 : %2 Компьютер")
                                                               : tr("Игрок 1 %1 : %2 Игрок 2");
    return text.arg(m_match.score(Match::Home)).arg(m_match.score(Match::Away));
}

QString MatchScore::stateText() const
{
    if (!m_outcome) {
        if (Match::isComputer(m_match.opponent()))
            return m_match.turn() == Match::Home ? tr("ваш ход") : tr("ход компьютера");
        return m_match.turn() == Match::Home ? tr("ход игрока 1") : tr("ход игрока 2");
    }
    const bool computer = Match::isComputer(m_match.opponent());
    switch (*m_outcome) {
    case Match::Outcome::HomeWon:
        return computer ? tr("вы выиграли") : tr("выиграл игрок 1");
    case Match::Outcome::AwayWon:
        return computer ? tr("выиграл компьютер") : tr("выиграл игрок 2");
    case Match::Outcome::Draw:
        break;
    }
    return tr("ничья");
}

void MatchScore::show()
{
    m_board.setResultNote(QString());
    m_board.timeItem()->setText(scoreText());
    m_board.countItem()->setText(stateText());
    m_board.timeItem()->setProperty(ResultAccessible::LabelProperty, tr("Счёт"));
    m_board.countItem()->setProperty(ResultAccessible::LabelProperty, tr("Партия"));
}

QString MatchScore::turnText() const
{
    if (Match::isComputer(m_match.opponent()))
        return m_match.turn() == Match::Home ? tr("Ваш ход.") : tr("Ход компьютера.");
    return m_match.turn() == Match::Home ? tr("Ход игрока 1.") : tr("Ход игрока 2.");
}

QString MatchScore::outcomeText(Match::Outcome outcome) const
{
    const int home = m_match.score(Match::Home);
    const int away = m_match.score(Match::Away);
    const bool computer = Match::isComputer(m_match.opponent());
    switch (outcome) {
    case Match::Outcome::HomeWon:
        return (computer ? tr("Вы выиграли со счётом %1 : %2.") : tr("Игрок 1 выиграл со счётом %1 : %2."))
            .arg(home).arg(away);
    case Match::Outcome::AwayWon:
        return (computer ? tr("Компьютер выиграл со счётом %1 : %2.") : tr("Игрок 2 выиграл со счётом %1 : %2."))
            .arg(away).arg(home);
    case Match::Outcome::Draw:
        break;
    }
    return tr("Ничья, %1 : %2.").arg(home).arg(away);
}

void MatchScore::tell(const QString &text)
{
    m_told = text;
    m_board.announce(text);
}
