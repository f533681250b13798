#pragma once

#include "settings/BestResults.h"
#include "settings/MatchTally.h"

#include <QDialog>

#include <array>
#include <functional>
#include <optional>

class QPushButton;
class QTabWidget;
class QTableWidget;

// Игра ▸ Рекорды…: the best results, a tab per board size, each a table of
// place, time, presses and date, and a tab of the boards played against the
// computer: the player's wins, losses and draws at each strength. "Сбросить" asks, then asks the owner to
// empty the table shown; "Закрыть" and Escape close. It shows the tables it
// is given and changes nothing itself.
class ResultsDialog : public QDialog
{
    Q_OBJECT

public:
    // Asked before a table is emptied; true goes ahead.
    using Confirmation = std::function<bool(QWidget *parent, const QString &question)>;

    ResultsDialog(const BestResults &results, QWidget *parent = nullptr);

    static QString boardTitle(BestResults::Board board);
    // When a result was won: the local date and time with the zone's
    // abbreviation, "8 декабря 2026, 23:50 MSK", in the language of the
    // game's texts whatever the desktop's locale.
    static QString dateText(const QDateTime &won);
    // The entry that entered a table last, shown in bold and made current.
    void setLatest(BestResults::Board board, const BestResults::Entry &entry);
    void showBoard(BestResults::Board board);
    BestResults::Board shownBoard() const;
    // Fills the tables again from the results.
    void refresh();
    void setConfirmation(Confirmation confirmation) { m_confirmation = std::move(confirmation); }
    QTableWidget *table(BestResults::Board board) const { return m_tables[board]; }
    // The boards against the computer, shown on their own tab.
    void setTally(const MatchTally &tally);
    QTableWidget *tallyTable() const { return m_tally; }
    void showTally();

Q_SIGNALS:
    void resetRequested(BestResults::Board board);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void resetClicked();
    void updateButtons();

    const BestResults &m_results;
    QTabWidget *m_tabs = nullptr;
    std::array<QTableWidget *, BestResults::Boards> m_tables{};
    QTableWidget *m_tally = nullptr;
    QPushButton *m_reset = nullptr;
    std::optional<std::pair<BestResults::Board, BestResults::Entry>> m_latest;
    Confirmation m_confirmation;
};
