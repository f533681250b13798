#include "ResultsDialog.h"

#include "base/ElapsedText.h"
#include "base/ObjectName.h"

#include <QAccessible>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

ResultsDialog::ResultsDialog(const BestResults &results, QWidget *parent)
    : QDialog(parent), m_results(results)
{
    setObjectName(QStringLiteral("ResultsDialog"));
    setWindowTitle(tr("Рекорды"));
    m_confirmation = [](QWidget *parent, const QString &question) {
        return QMessageBox::question(parent, tr("Рекорды"), question,
                                     QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
            == QMessageBox::Yes;
    };

    m_tabs = named(new QTabWidget(this), "tabs");
    const QStringList headers{tr("Место"), tr("Время"), tr("Нажатия"), tr("Дата")};
    for (int b = 0; b < BestResults::Boards; ++b) {
        auto *t = new QTableWidget(0, int(headers.size()), m_tabs);
        t->setObjectName(b == BestResults::Small ? QStringLiteral("small") : QStringLiteral("large"));
        t->setHorizontalHeaderLabels(headers);
        t->setAccessibleName(boardTitle(BestResults::Board(b)));
        t->verticalHeader()->hide();
        t->setEditTriggers(QAbstractItemView::NoEditTriggers);
        t->setSelectionBehavior(QAbstractItemView::SelectRows);
        t->setSelectionMode(QAbstractItemView::SingleSelection);
        t->setTabKeyNavigation(false); // Tab leaves the table for the buttons
        t->setWordWrap(false);
        t->horizontalHeader()->setStretchLastSection(true);
        t->horizontalHeader()->setHighlightSections(false);
        // Room for the ten rows without a scroll bar.
        t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        t->setMinimumHeight(t->horizontalHeader()->sizeHint().height()
                            + BestResults::Kept * t->verticalHeader()->defaultSectionSize() + 2 * t->frameWidth());
        // Columns as wide as their widest text in bold (the date of the
        // month with the longest name), so they keep their width whatever
        // the rows; the tabs' titles fit too.
        QFont bold = font();
        bold.setBold(true);
        const QFontMetrics metrics(bold);
        QString widestDate;
        for (int month = 1; month <= 12; ++month) {
            const QString date = dateText(QDateTime(QDate(2000, month, 28), QTime(23, 58, 58)));
            if (metrics.horizontalAdvance(date) > metrics.horizontalAdvance(widestDate))
                widestDate = date;
        }
        const QStringList widest{QStringLiteral("10"), QStringLiteral("999:59"), QStringLiteral("99999"),
                                 widestDate};
        for (int col = 0; col < widest.size(); ++col) {
            t->setColumnWidth(col, std::max(t->horizontalHeader()->sectionSizeHint(col),
                                            metrics.horizontalAdvance(widest[col]) + 16));
        }
        t->installEventFilter(this);
        m_tables[b] = t;
        m_tabs->addTab(t, boardTitle(BestResults::Board(b)));
    }
    m_tally = named(new QTableWidget(MatchTally::Strengths, MatchTally::Results + 1, m_tabs), "matches");
    m_tally->setHorizontalHeaderLabels({tr("Компьютер"), tr("Победы"), tr("Поражения"), tr("Ничьи")});
    m_tally->setAccessibleName(tr("Против компьютера"));
    m_tally->verticalHeader()->hide();
    m_tally->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tally->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tally->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tally->setTabKeyNavigation(false);
    m_tally->horizontalHeader()->setStretchLastSection(true);
    m_tabs->addTab(m_tally, tr("Против компьютера"));
    setTally({});
    for (QTableWidget *t : m_tables)
        t->setMinimumWidth(std::max(t->horizontalHeader()->length() + 2 * t->frameWidth(),
                                    m_tabs->tabBar()->sizeHint().width()));
    m_reset = named(new QPushButton(tr("&Сбросить"), this), "reset");
    auto *close = named(new QPushButton(tr("&Закрыть"), this), "close");
    close->setDefault(true);
    connect(m_reset, &QPushButton::clicked, this, &ResultsDialog::resetClicked);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_tabs, &QTabWidget::currentChanged, this, &ResultsDialog::updateButtons);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_reset);
    buttons->addStretch();
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addLayout(buttons);
    refresh();
}

QString ResultsDialog::boardTitle(BestResults::Board board)
{
    return board == BestResults::Small ? tr("Малая доска 6 × 4") : tr("Большая доска 8 × 6");
}

QString ResultsDialog::dateText(const QDateTime &won)
{
    // A translation names the locale of its own language here.
    const QLocale locale(tr("ru_RU", "the locale whose month names the dates of the results use"));
    return locale.toString(won.toLocalTime(), tr("d MMMM yyyy, HH:mm t", "the date of a result, as QDateTime writes it"));
}

void ResultsDialog::setLatest(BestResults::Board board, const BestResults::Entry &entry)
{
    m_latest = {board, entry};
    refresh();
}

void ResultsDialog::showBoard(BestResults::Board board)
{
    m_tabs->setCurrentIndex(board);
    m_tables[board]->setFocus();
}

BestResults::Board ResultsDialog::shownBoard() const
{
    // The tab of the matches is no board's.
    return BestResults::Board(std::min(m_tabs->currentIndex(), int(BestResults::Large)));
}

void ResultsDialog::setTally(const MatchTally &tally)
{
    const QString strengths[MatchTally::Strengths] = {tr("Лёгкий"), tr("Средний"), tr("Сильный")};
    for (int s = 0; s < MatchTally::Strengths; ++s) {
        m_tally->setItem(s, 0, new QTableWidgetItem(strengths[s]));
        for (int r = 0; r < MatchTally::Results; ++r) {
            auto *item = new QTableWidgetItem(QString::number(tally.counts[s][r]));
            item->setTextAlignment(Qt::AlignVCenter | Qt::AlignRight);
            m_tally->setItem(s, r + 1, item);
        }
    }
}

void ResultsDialog::showTally()
{
    m_tabs->setCurrentWidget(m_tally);
    m_tally->setFocus();
}

void ResultsDialog::refresh()
{
    for (int b = 0; b < BestResults::Boards; ++b) {
        QTableWidget *t = m_tables[b];
        const QList<BestResults::Entry> &entries = m_results.table(BestResults::Board(b));
        t->clearContents();
        t->setRowCount(int(entries.size()));
        for (int row = 0; row < entries.size(); ++row) {
            const BestResults::Entry &e = entries[row];
            const QStringList texts{QString::number(row + 1), ElapsedText::format(e.ms),
                                    QString::number(e.presses),
                                    dateText(e.won)};
            const bool latest = m_latest && m_latest->first == b && m_latest->second == e;
            for (int col = 0; col < texts.size(); ++col) {
                auto *item = new QTableWidgetItem(texts[col]);
                // A screen reader reads a row at a time, without the
                // headers: each cell says which column it is, and the
                // entry just made says so, where the eye sees bold.
                const QString header = t->horizontalHeaderItem(col)->text();
                item->setData(Qt::AccessibleTextRole,
                              latest && col == 0 ? tr("%1: %2, новый рекорд").arg(header, texts[col])
                                                 : QStringLiteral("%1: %2").arg(header, texts[col]));
                item->setTextAlignment(Qt::AlignVCenter | (col < 3 ? Qt::AlignRight : Qt::AlignLeft));
                if (latest) {
                    QFont bold = font();
                    bold.setBold(true);
                    item->setFont(bold);
                }
                t->setItem(row, col, item);
            }
            if (latest)
                t->setCurrentCell(row, 0);
        }
    }
    updateButtons();
}

bool ResultsDialog::eventFilter(QObject *watched, QEvent *event)
{
    // A table made current before it had the focus (the entry just made)
    // tells no screen reader of its cell, and Orca then reads the table alone
    // until the first arrow: the cell is said once the table has taken the
    // focus, after the table's own word of it.
    if (event->type() == QEvent::FocusIn && QAccessible::isActive()) {
        auto *t = static_cast<QTableWidget *>(watched);
        QMetaObject::invokeMethod(t, [t] {
            const QModelIndex current = t->currentIndex();
            QAccessibleInterface *table = QAccessible::queryAccessibleInterface(t);
            QAccessibleTableInterface *cells = table ? table->tableInterface() : nullptr;
            if (!t->hasFocus() || !current.isValid() || !cells)
                return;
            QAccessibleEvent focus(t, QAccessible::Focus);
            focus.setChild(table->indexOfChild(cells->cellAt(current.row(), current.column())));
            QAccessible::updateAccessibility(&focus);
        }, Qt::QueuedConnection);
    }
    return QDialog::eventFilter(watched, event);
}

void ResultsDialog::resetClicked()
{
    const BestResults::Board board = shownBoard();
    if (m_tabs->currentWidget() == m_tally || m_results.table(board).isEmpty())
        return;
    if (!m_confirmation(this, tr("Очистить таблицу «%1»?").arg(boardTitle(board))))
        return;
    Q_EMIT resetRequested(board);
    refresh();
}

void ResultsDialog::updateButtons()
{
    m_reset->setEnabled(m_tabs->currentWidget() != m_tally && !m_results.table(shownBoard()).isEmpty());
}
