#pragma once

#include "Environment.h"
#include "game/GameWin.h"
#include "game/Random.h"
#include "PreferencesKeeper.h"
#include "ResultsKeeper.h"
#include "settings/TGameSettings.h"

#include <QMainWindow>

#include <memory>
#include <optional>

class BoardView;
class Game;
class GameTimer;
class Match;
class OpponentMenu;
class Music;
class PicturePage;
class QAction;
class QMenu;
class SettingsPage;
class TCustomPanel;
class WindowPlacement;

// TForm1: the one window of the program. It starts the game up, holds the
// menu bar and the three pages (game, settings, picture) that take turns in
// its client area, runs the apply cycle that moves settings between the three
// copies, and stores the settings when it is closed. Where it stands on the
// desktop is WindowPlacement's business; the tiles are BoardView's; the best
// results are ResultsKeeper's and the player's choices PreferencesKeeper's.
//
// Widgets made here carry their designer name as objectName, so tests find
// them as a person would name them.
class TForm1 : public QMainWindow
{
    Q_OBJECT

public:
    using Environment = ::Environment;

    explicit TForm1(Environment environment);
    ~TForm1() override;

    // "Тилими" and the version: the window's caption and the application's title.
    static QString title() { return QStringLiteral("Тилими " TILIMI_VERSION); }

    // The apply cycle between the settings in force and the settings page.
    void Load();     // the page shows the settings in force
    void Apply();    // the page's settings come into force; back to the game
    void Cancel();   // the page's changes are dropped; back to the game
    void Defaults(); // the designed settings come into force on a new small board

    void N6Click();      // Настройки: shows the settings page
    void MnGame1Popup(); // opening the Game menu: the other pages give way to the game
    void MnGame2Click(); // Игра while another page is up: back to the game
    void N5Click();      // Игра ▸ Выход: ends the program without storing the settings
    // The session manager asks to save (a checkpoint, or the first step of a
    // logout, which its own message to die ends): stores the settings as the
    // close box does, and the game plays on. A failure is only logged: a box
    // would hold up the session. After Выход there is nothing to store.
    void commitData();
    // The end of the session (SIGTERM or SIGHUP): stores as commitData, once,
    // and ends the program.
    void endSession();
    void N10Click();     // Мандала: shows the picture page
    void N11Click();     // О программе: the one-line credit in a message box
    // Игра ▸ Метки цветов: shows or hides the colour marks and stores the
    // choice at once, since Выход ends without storing.
    void colorMarksClick(bool shown);
    void N25Click();     // Игра ▸ Рекорды…: the best results, on the table of the board in play

    const TGameSettings &settings() const { return Settings; }
    const TGameSettings &pendingSettings() const { return PendingSettings; }
    const TGameSettings &defaultSettings() const { return DefaultSettings; }
    const BestResults &results() const { return m_results->results(); }
    const Preferences &preferences() const { return m_preferences.preferences(); }
    Game &game() { return *m_game; }
    Match &match() { return *m_match; }
    Music &music() { return *m_music; }
    BoardView &board() { return *m_board; }
    SettingsPage *settingsPage() const { return Panel2; }
    QWidget *clientArea() const { return m_client; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createMenus();
    void createPages();
    void startUp();
    void captureDefaults();
    void Timer2Timer(); // the second start-up pass: Load, then Apply
    void showGamePage();
    void showOtherPage(QWidget *page);
    void showGameMenu(bool shown); // the Game menu (true) or the "Игра" item that leads back
    void storeSettings(); // the placement into Settings, then Settings into "DbData"
    void startMatches(); // the match against someone: its menu, its pauses, its results

    TGameSettings Settings;        // the settings in force
    TGameSettings PendingSettings; // the settings page's working copy
    TGameSettings DefaultSettings; // the designed settings, captured at start-up
    QString StartDir;              // the folder of "DbData", made current again before storing

    TCustomPanel *Panel1 = nullptr;    // the game page's background; a click stops the demonstration
    SettingsPage *Panel2 = nullptr;    // the settings page, lowered behind the game page when not in use
    PicturePage *PanelImage = nullptr; // the picture page: the mandala and its negative

    QAction *MnGame2 = nullptr; // "Игра" shown instead of the Game menu while another page is up
    QMenu *MnGame1 = nullptr;   // the Game menu, shown while the game page is up
    QAction *N1 = nullptr;      // Игра ▸ Новая: a new board of the current size
    QAction *N2 = nullptr;      // Игра ▸ Малая: a new small board, 6 by 4
    QAction *N3 = nullptr;      // Игра ▸ Большая: a new large board, 8 by 6
    QAction *N15 = nullptr;     // Игра ▸ Демонстрация: starts or stops the self-playing demonstration
    QAction *m_colorMarks = nullptr; // Игра ▸ Метки цветов, checkable
    QAction *N25 = nullptr;     // Игра ▸ Рекорды…: the dialog of the best results
    QAction *N5 = nullptr;      // Игра ▸ Выход
    QAction *N6 = nullptr;      // Настройки
    QAction *N10 = nullptr;     // Мандала
    QMenu *N13 = nullptr;       // Музыка: the music's menu
    QAction *N11 = nullptr;     // О программе
    QAction *mtime = nullptr;   // the time of the last won board, "mm:ss"; a click clears it
    QAction *mtimes = nullptr;  // the presses of the last won board; a click clears it

    GameTimer *Timer2 = nullptr; // 220 ms after start-up: the second start-up pass

    Environment m_env;
    Random m_random;
    PreferencesKeeper m_preferences;
    ResultsKeeper *m_results = nullptr;
    QWidget *m_client = nullptr;
    WindowPlacement *m_placement = nullptr;
    BoardView *m_board = nullptr;
    std::unique_ptr<Game> m_game;
    Match *m_match = nullptr;
    OpponentMenu *m_opponents = nullptr; // Игра ▸ Соперник
    std::unique_ptr<Music> m_music;
    bool m_exiting = false; // Выход, or the end of the session, has begun: nothing more is stored
};
