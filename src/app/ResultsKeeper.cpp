#include "ResultsKeeper.h"

#include "base/Messages.h"
#include "results/ResultsDialog.h"
#include "settings/ResultsFile.h"

#include <QDateTime>
#include <QWidget>

ResultsKeeper::ResultsKeeper(QString folder, QWidget *window)
    : QObject(window), m_folder(std::move(folder)), m_window(window)
{
}

void ResultsKeeper::load()
{
    m_results = ResultsFile(m_folder).load();
}

void ResultsKeeper::recordWin(const GameWin &win)
{
    BestResults::Board board;
    if (win.demonstration || win.match || !BestResults::boardOf(win.cols, win.rows, board))
        return;
    const BestResults::Entry entry{win.elapsedMs, win.presses, QDateTime::currentDateTimeUtc()};
    const int place = m_results.add(board, entry);
    if (place == 0)
        return;
    m_latest = {board, entry};
    Q_EMIT noteChanged(QStringLiteral("Рекорд: %1-е место на %2 доске")
                           .arg(place)
                           .arg(board == BestResults::Small ? QStringLiteral("малой")
                                                            : QStringLiteral("большой")));
    store();
}

void ResultsKeeper::reset(BestResults::Board board)
{
    m_results.reset(board);
    if (m_latest && m_latest->first == board)
        m_latest.reset();
    store();
}

void ResultsKeeper::showDialog(int cols, int rows)
{
    auto *dialog = new ResultsDialog(m_results, m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    if (m_latest)
        dialog->setLatest(m_latest->first, m_latest->second);
    BestResults::Board board = BestResults::Small;
    BestResults::boardOf(cols, rows, board);
    dialog->showBoard(board);
    dialog->setTally(ResultsFile(m_folder).loadTally());
    connect(dialog, &ResultsDialog::resetRequested, this, [this](BestResults::Board b) { reset(b); });
    dialog->open();
}

void ResultsKeeper::recordMatch(Match::Opponent opponent, Match::Outcome outcome)
{
    if (!Match::isComputer(opponent))
        return;
    // Read afresh, so that boards counted by another run of the game stay.
    const ResultsFile file(m_folder);
    MatchTally tally = file.loadTally();
    tally.add(Match::strengthOf(opponent), outcome == Match::Outcome::HomeWon   ? MatchTally::Won
                                           : outcome == Match::Outcome::AwayWon ? MatchTally::Lost
                                                                                : MatchTally::Drawn);
    storeWith([&] { file.storeTally(tally); });
}

void ResultsKeeper::countMatches(const Match &match)
{
    connect(&match, &Match::ended, this,
            [this, &match](Match::Outcome outcome) { recordMatch(match.opponent(), outcome); });
}

void ResultsKeeper::store()
{
    // A failure leaves the results in play, to be stored with the next
    // change.
    storeWith([this] { ResultsFile(m_folder).store(m_results); });
}

void ResultsKeeper::storeWith(const std::function<void()> &write)
{
    try {
        write();
        m_unstored = false;
    } catch (const std::exception &e) {
        if (m_unstored)
            return;
        m_unstored = true;
        // Told after the game's handler has ended, so the box holds up
        // nothing of the win.
        const QString text = QString::fromUtf8(e.what());
        QMetaObject::invokeMethod(this, [text] { Messages::show(text); }, Qt::QueuedConnection);
    }
}
