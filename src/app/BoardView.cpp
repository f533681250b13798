#include "BoardView.h"

#include "access/Announcer.h"
#include "game/Palette.h"
#include "widgets/FocusCue.h"
#include "widgets/PanelStyleBridge.h"
#include "widgets/SchemeColor.h"
#include "widgets/tcl.h"

#include <QAccessible>
#include <QApplication>
#include <QAction>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QToolTip>

namespace {

// How far the cue lies inside a tile's interior, clear of its rings.
constexpr int CueInset = 2;

} // namespace

BoardView::BoardView(QWidget *client, const TCustomPanel &concealedSample,
                     const TCustomPanel &revealedSample, QAction *timeItem, QAction *countItem)
    : QObject(client), m_client(client), m_concealedSample(concealedSample),
      m_revealedSample(revealedSample), m_timeItem(timeItem), m_countItem(countItem),
      m_announcer(new Announcer(client->window()))
{
    // The result items clear themselves when clicked.
    connect(m_timeItem, &QAction::triggered, this,
            [this] {
                m_timeItem->setText(QString(9, QLatin1Char(' ')));
                setResultNote(QString());
            });
    connect(m_countItem, &QAction::triggered, this, [this] { m_countItem->setText(QString()); });
    // A menu bar shows no tooltips of its own; the note on a result is
    // shown by the filter.
    if (auto *bar = qobject_cast<QMenuBar *>(m_timeItem->parent()))
        bar->installEventFilter(this);
}

void BoardView::createTiles()
{
    if (hasTiles())
        return;
    for (int r = 1; r <= Game::MaxRows; ++r) {
        for (int c = 1; c <= Game::MaxCols; ++c) {
            auto *t = new tcl(r, c, m_client);
            connect(t, &tcl::MouseDown, this, &BoardView::tilePressed);
            connect(t, &tcl::MouseDown, this, &BoardView::hideCue);
            m_tiles[r - 1][c - 1] = t;
        }
    }
    // Made after the tiles, so that it lies above them.
    m_cueMark = new FocusCue(m_client);
}

void BoardView::takeKeys(TCustomPanel &background, const Game &game)
{
    m_background = &background;
    m_game = &game;
    background.installEventFilter(this);
}

bool BoardView::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ToolTip && watched == m_timeItem->parent()) {
        const auto *help = static_cast<QHelpEvent *>(event);
        auto *bar = static_cast<QMenuBar *>(watched);
        const QAction *item = bar->actionAt(help->pos());
        if (!m_note.isEmpty() && (item == m_timeItem || item == m_countItem))
            QToolTip::showText(help->globalPos(), m_note, bar, bar->actionGeometry(const_cast<QAction *>(item)));
        else
            QToolTip::hideText();
        return true;
    }
    if (watched == m_background && hasTiles()) {
        switch (event->type()) {
        case QEvent::KeyPress:
            if (keyPressed(*static_cast<QKeyEvent *>(event)))
                return true;
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            hideCue();
            break;
        case QEvent::FocusIn:
            // Back from a menu or a dialog: the reader hears the tile under
            // the cue, after the board that Qt reports as focused first.
            if (QAccessible::isActive() && m_cue.isShown())
                QMetaObject::invokeMethod(this, &BoardView::focusCue, Qt::QueuedConnection);
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

// True for a key the board takes; any other goes on its way (the menus'
// mnemonics, Alt).
bool BoardView::keyPressed(const QKeyEvent &key)
{
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const bool wasShown = m_cue.isShown();
    const int row = m_cue.row();
    const int col = m_cue.col();
    switch (key.key()) {
    case Qt::Key_Left:
        m_cue.step(0, -1);
        break;
    case Qt::Key_Right:
        m_cue.step(0, 1);
        break;
    case Qt::Key_Up:
        m_cue.step(-1, 0);
        break;
    case Qt::Key_Down:
        m_cue.step(1, 0);
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        if (!m_cue.isShown())
            return false;
        // A held key presses once, as a held mouse button does; a vanished
        // tile, hidden from the mouse, takes no press either.
        const tcl *t = tile(m_cue.row(), m_cue.col());
        if (!key.isAutoRepeat() && !t->isHidden())
            Q_EMIT tilePressed(t->Row(), t->Col());
        return true;
    }
    default:
        return false;
    }
    placeCue();
    // The cue is the focus a screen reader follows: each move reads the
    // tile; an arrow against the edge, which moves nothing, says so.
    if (wasShown && row == m_cue.row() && col == m_cue.col())
        announce(tr("Край поля"));
    else
        focusCue();
    return true;
}

void BoardView::focusCue()
{
    // A menu opened since (F10 right after the bar let go of the focus)
    // keeps the reader: a later focus here would silence its item.
    if (!QAccessible::isActive() || !m_cue.isShown() || !hasTiles() || QApplication::activePopupWidget())
        return;
    QAccessibleEvent focus(tile(m_cue.row(), m_cue.col()), QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

void BoardView::hideCue()
{
    m_cue.hide();
    placeCue();
}

void BoardView::placeCue()
{
    if (!m_game || !m_cueMark)
        return;
    // Every change of the board comes through here, a new size included.
    m_cue.setBoard(m_game->rows(), m_game->cols());
    if (!m_cue.isShown()) {
        m_cueMark->hide();
        return;
    }
    // Inside the interior of the tile under it, following the tile; where
    // the tile has vanished, where it was laid out, on the background.
    const tcl *t = tile(m_cue.row(), m_cue.col());
    const bool present = !t->isHidden();
    const QRect bounds = present ? t->geometry() : m_game->cellBounds(t->Row(), t->Col());
    const int inset = t->childArea().x() + CueInset;
    const TCustomPanel &under = present ? static_cast<const TCustomPanel &>(*t) : *m_background;
    m_cueMark->place(bounds.adjusted(inset, inset, -inset, -inset),
                     toQColor(under.Color(), under.palette()));
}

QSize BoardView::clientSize() const
{
    return m_client->size();
}

TPanelStyle BoardView::concealedStyle() const
{
    TPanelStyle style;
    ReadPanelStyle(m_concealedSample, style);
    return style;
}

TColor BoardView::concealedColor() const
{
    return m_concealedSample.Color();
}

TPanelStyle BoardView::revealedStyle() const
{
    TPanelStyle style;
    ReadPanelStyle(m_revealedSample, style);
    return style;
}

void BoardView::tileChanged(const TileState &state)
{
    if (tcl *t = tile(state.Row, state.Col)) {
        t->display(state.Style, state.Color, QRect(state.Left, state.Top, state.Width, state.Height),
                   state.Visible);
        const Palette::Entry *entry = Palette::find(state.PairColor);
        const bool marked = m_marksShown && state.Visible && state.FaceUp && entry;
        t->setMark(marked ? std::optional(entry->mark) : std::nullopt);
        if (QAccessible::isActive())
            speakSoon();
    }
    placeCue();
}

BoardView *BoardView::of(const QObject *client)
{
    return client ? client->findChild<BoardView *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

int BoardView::rows() const
{
    return m_game ? m_game->rows() : 0;
}

int BoardView::cols() const
{
    return m_game ? m_game->cols() : 0;
}

QString BoardView::tileName(int row, int col) const
{
    if (!m_game || row < 1 || col < 1 || row > rows() || col > cols())
        return {};
    const TileState &t = m_game->tile(row, col);
    const Palette::Entry *entry = Palette::find(t.PairColor);
    const QString shows = !t.Visible         ? tr("пусто")
                        : !t.FaceUp || !entry ? tr("закрыта")
                                              : Palette::name(*entry);
    return tr("%1, ряд %2, столбец %3").arg(shows).arg(row).arg(col);
}

QWidget *BoardView::page() const
{
    return m_background;
}

bool BoardView::cueOn(int row, int col) const
{
    return m_cue.isShown() && m_cue.row() == row && m_cue.col() == col;
}

void BoardView::pressTile(int row, int col)
{
    if (row >= 1 && col >= 1 && row <= rows() && col <= cols() && !tile(row, col)->isHidden())
        Q_EMIT tilePressed(row, col);
}

void BoardView::speakSoon()
{
    if (m_speakDue)
        return;
    m_speakDue = true;
    QMetaObject::invokeMethod(this, &BoardView::speak, Qt::QueuedConnection);
}

void BoardView::speak()
{
    m_speakDue = false;
    if (!m_game || !hasTiles())
        return;
    QStringList pairs;
    int concealed = 0; // tiles turned face down at once: more than two, a new deal
    bool cueChanged = false;
    for (int r = 1; r <= Game::MaxRows; ++r) {
        for (int c = 1; c <= Game::MaxCols; ++c) {
            const TileState &t = m_game->tile(r, c);
            Spoken &spoken = m_spoken[r - 1][c - 1];
            const QString name = tileName(r, c);
            if (name == spoken.name)
                continue;
            // A tile of the board in play that was there and is gone went
            // with its pair; its turn may have come in the same burst, on a
            // busy machine.
            const Palette::Entry *entry = Palette::find(t.PairColor);
            if (spoken.present && !t.Visible && r <= rows() && c <= cols() && entry
                && !pairs.contains(Palette::name(*entry)))
                pairs << Palette::name(*entry);
            concealed += t.Visible && !t.FaceUp;
            cueChanged |= cueOn(r, c);
            spoken = {name, t.Visible};
            // A reader keeps what it read of an object: a tile whose name
            // changed becomes a new object, read afresh (Orca 43 ignores
            // name changes of table cells and reads its old copy).
            if (QAccessibleInterface *old = QAccessible::queryAccessibleInterface(tile(r, c)))
                QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(old));
        }
    }
    // The tile under the cue, turned or gone, as a new focus: its colour is
    // spoken, and Where Am I reads it as it is now. The news below comes
    // after it.
    if (cueChanged && m_background && m_background->hasFocus())
        focusCue();
    QStringList news;
    for (const QString &pair : std::as_const(pairs))
        news << tr("Пара убрана: %1.").arg(pair);
    if (!m_won.isEmpty())
        news << m_won;
    m_won.clear();
    if (concealed > 2)
        news << tr("Новая раскладка, %1 на %2.").arg(cols()).arg(rows());
    if (!news.isEmpty())
        announce(news.join(QLatin1Char(' ')));
}

void BoardView::announce(const QString &text)
{
    m_announcer->announce(text);
}

void BoardView::setMarksShown(bool shown)
{
    m_marksShown = shown;
    if (!m_game || !hasTiles())
        return;
    for (int r = 1; r <= Game::MaxRows; ++r) {
        for (int c = 1; c <= Game::MaxCols; ++c)
            tileChanged(m_game->tile(r, c));
    }
}

void BoardView::setTimeCaption(const QString &text)
{
    m_timeItem->setText(text);
    setResultNote(QString());
}

void BoardView::setResultNote(const QString &text)
{
    m_note = text;
    // Read by a screen reader as the items' description, and spoken with the
    // win it comes with.
    m_timeItem->setToolTip(text);
    m_countItem->setToolTip(text);
    if (!m_won.isEmpty() && !text.isEmpty())
        m_won += QLatin1Char(' ') + text + QLatin1Char('.');
}

void BoardView::setCountCaption(const QString &text)
{
    m_countItem->setText(text);
    // The presses are shown last when a board is won.
    if (QAccessible::isActive() && !text.isEmpty()) {
        m_won = tr("Победа: время %1, нажатий %n.", nullptr, text.toInt()).arg(m_timeItem->text().trimmed());
        speakSoon();
    }
}
