#include "ResultsKeeper.h"

#include "base/Messages.h"
#include "results/ResultsDialog.h"
#include "settings/ResultsFile.h"

#include <QDateTime>
#include <QWidget>

ResultsKeeper::ResultsKeeper(QString folder, QWidget *window)
    : QObject(window), m_folder(std::move(folder)), m_window(window),
      m_report([this](const QString &text) { tell(text); })
{
}

void ResultsKeeper::load()
{
    m_results = ResultsFile(m_folder).load();
    for (const auto &[board, entry] : m_unstored)
        m_results.add(board, entry);
}

void ResultsKeeper::recordWin(const GameWin &win)
{
    BestResults::Board board;
    if (win.demonstration || win.match || !BestResults::boardOf(win.cols, win.rows, board))
        return;
    const BestResults::Entry entry{win.elapsedMs, win.presses, QDateTime::currentDateTimeUtc()};
    m_unstored.append({board, entry});
    store([](BestResults &) {}, tr("Результат не удалось сохранить в файле %1: %2."));
    // The place among the results the file holds now, other copies' too.
    const int place = int(m_results.table(board).indexOf(entry)) + 1;
    if (place == 0)
        return;
    m_latest = {board, entry};
    Q_EMIT noteChanged(board == BestResults::Small ? tr("Рекорд: %1-е место на малой доске").arg(place)
                                                   : tr("Рекорд: %1-е место на большой доске").arg(place));
}

void ResultsKeeper::reset(BestResults::Board board)
{
    m_unstored.removeIf([board](const Win &win) { return win.first == board; });
    if (m_latest && m_latest->first == board)
        m_latest.reset();
    store([board](BestResults &tables) { tables.reset(board); }, tr("Сброс рекордов не удалось сохранить в файле %1: %2."));
}

void ResultsKeeper::showDialog(int cols, int rows)
{
    load();
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
    const MatchTally::Result result = outcome == Match::Outcome::HomeWon   ? MatchTally::Won
                                    : outcome == Match::Outcome::AwayWon ? MatchTally::Lost
                                                                         : MatchTally::Drawn;
    const ResultsFile file(m_folder);
    // Counted into the tally as the file holds it now, so that boards
    // another copy of the game counted stay.
    m_report.run(
        file.path(),
        [&] { return file.updateTally([&](MatchTally &tally) { tally.add(Match::strengthOf(opponent), result); }); },
        tr("Итог партии не удалось сохранить в файле %1: %2."));
}

void ResultsKeeper::countMatches(const Match &match)
{
    connect(&match, &Match::ended, this,
            [this, &match](Match::Outcome outcome) { recordMatch(match.opponent(), outcome); });
}

void ResultsKeeper::store(const std::function<void(BestResults &)> &edit, const QString &failure)
{
    std::optional<BestResults> changed;
    const auto apply = [&](BestResults &tables) {
        for (const auto &[board, entry] : m_unstored)
            tables.add(board, entry);
        edit(tables);
        changed = tables;
    };
    const ResultsFile file(m_folder);
    if (m_report.run(file.path(), [&] { return file.updateTables(apply); }, failure)) {
        m_unstored.clear();
    } else {
        // Where the file could not even be read under its lock, the change
        // is made to the tables in play.
        if (!changed) {
            BestResults tables = m_results;
            apply(tables);
        }
        // A win that entered no table has nothing left to store.
        m_unstored.removeIf([&](const Win &win) { return !changed->table(win.first).contains(win.second); });
    }
    m_results = *changed;
}

void ResultsKeeper::tell(const QString &text)
{
    // Told after the game's handler has ended, so the box holds up nothing
    // of the win.
    QMetaObject::invokeMethod(this, [text] { Messages::show(text); }, Qt::QueuedConnection);
}
