#pragma once

#include "access/BoardReading.h"
#include "game/Game.h"
#include "game/GameView.h"
#include "game/KeyboardCue.h"

#include <QObject>

#include <array>

class Announcer;
class FocusCue;
class QAction;
class QKeyEvent;
class TCustomPanel;
class tcl;

// The board as the player sees it: the 48 tile widgets above the game page,
// the results in the menu bar, and the two sample panels of the settings page
// as the live source of the concealed and revealed looks. It shows what the
// game decides and passes presses on; it decides nothing itself. Presses come
// from the mouse on a tile, or from the keyboard on the tile under the cue.
class BoardView : public QObject, public GameView, public BoardReading
{
    Q_OBJECT

public:
    Announcer *announcer() const { return m_announcer; }
    // client: the area the tiles lie in. The samples and the two result items
    // of the menu bar belong to the window and outlive the view.
    BoardView(QWidget *client, const TCustomPanel &concealedSample,
              const TCustomPanel &revealedSample, QAction *timeItem, QAction *countItem);

    // The 48 widgets, made once, after the pages so that they lie above the
    // game page.
    void createTiles();
    // The keyboard's way onto the board of game: keys that reach background,
    // the game page that holds the keyboard while in front, move the cue and
    // press the tile under it; a mouse press on the board hides the cue.
    void takeKeys(TCustomPanel &background, const Game &game);
    const KeyboardCue &cue() const { return m_cue; }
    // Игра ▸ Метки цветов: every revealed tile shows its colour's mark. Only
    // the tiles' looks change, at once; the game is not touched.
    void setMarksShown(bool shown);
    bool marksShown() const { return m_marksShown; }
    bool hasTiles() const { return m_tiles[0][0] != nullptr; }
    tcl *tile(int row, int col) const override { return m_tiles[row - 1][col - 1]; }
    // The view whose tiles lie in client, if any.
    static BoardView *of(const QObject *client);

    // What a screen reader is told (see BoardReading).
    int rows() const override;
    int cols() const override;
    TCustomPanel *background() const { return m_background; }
    QWidget *page() const override;
    QAction *timeItem() const override { return m_timeItem; }
    QAction *countItem() const override { return m_countItem; }
    QString tileName(int row, int col) const override;
    bool cueOn(int row, int col) const override;
    bool cueShown() const override { return m_cue.isShown(); }
    void pressTile(int row, int col) override;

    // The one door through which the game speaks to a screen reader: text
    // is spoken at once, whatever has the focus, interrupting what was
    // being said. Costs nothing while no assistive technology listens. Give
    // it whole sentences that went through tr().
    void announce(const QString &text);

    QSize clientSize() const override;
    TPanelStyle concealedStyle() const override;
    TColor concealedColor() const override;
    TPanelStyle revealedStyle() const override;
    void tileChanged(const TileState &tile) override;
    void setTimeCaption(const QString &text) override;
    void setCountCaption(const QString &text) override;
    // The tooltip of both result items, saying what the result shown
    // achieved; a new time caption or a click takes it away.
    void setResultNote(const QString &text);
    QString resultNote() const { return m_note; }

    bool eventFilter(QObject *watched, QEvent *event) override;

Q_SIGNALS:
    // A press on a tile, by row and column from 1: a mouse press, or Space or
    // Enter on the tile under the cue.
    void tilePressed(int row, int col);

private:
    bool keyPressed(const QKeyEvent &key);
    // Tells a listening screen reader what changed on the board, once the
    // burst of changes of one step has ended: the tile turned under the cue,
    // a pair that went, a board that was won, a new deal.
    void speakSoon();
    void speak();
    // Moves a listening screen reader's focus onto the tile under the cue,
    // which it then reads.
    void focusCue();
    void hideCue();
    void placeCue();

    QWidget *m_client;
    const TCustomPanel &m_concealedSample;
    const TCustomPanel &m_revealedSample;
    QAction *m_timeItem;
    QAction *m_countItem;
    QString m_note; // the tooltip of the result items
    std::array<std::array<tcl *, Game::MaxCols>, Game::MaxRows> m_tiles{};
    TCustomPanel *m_background = nullptr;
    const Game *m_game = nullptr;
    KeyboardCue m_cue;
    FocusCue *m_cueMark = nullptr;
    bool m_marksShown = false;
    // What a screen reader was last told of each tile, kept only while one
    // listens.
    struct Spoken
    {
        QString name;
        bool present = false; // not yet gone with its pair
    };
    std::array<std::array<Spoken, Game::MaxCols>, Game::MaxRows> m_spoken;
    bool m_speakDue = false;
    QString m_won; // the win to announce
    Announcer *m_announcer;
};
