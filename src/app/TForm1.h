#pragma once

#include "game/Game.h"
#include "game/GameView.h"
#include "game/Random.h"
#include "settings/TGameSettings.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>
#include <memory>

class ColorChooser;
class GameTimer;
class Music;
class MusicChooser;
class PicturePage;
class QAction;
class QMenu;
class SettingsPage;
class TCustomPanel;
class tcl;

// The one window of the program: start-up and shut-down, the menu bar, the
// pages, the apply cycle that moves settings between the three copies, and
// the board's view.
class TForm1 : public QMainWindow, private GameView
{
    Q_OBJECT

public:
    // What the window takes from its surroundings; tests give their own.
    struct Environment
    {
        QString programFolder;                      // empty: the executable's folder
        std::function<double()> timeOfDay;          // empty: the local clock
        std::function<std::uint32_t()> randomSeed;  // empty: the UTC clock
        ColorChooser *colors = nullptr;             // empty: the colour dialog
        MusicChooser *music = nullptr;              // empty: the open-file dialog
        QString audioSink = QStringLiteral("autoaudiosink");
    };

    explicit TForm1(Environment environment);
    ~TForm1() override;

    static QString title();

    // The apply cycle.
    void Load();
    void Apply();
    void Cancel();
    void Defaults();

    // Page switches and menu commands.
    void N6Click();
    void MnGame1Popup();
    void MnGame2Click();
    void N5Click();
    void N10Click();
    void N11Click();

    TGameSettings Settings;
    TGameSettings PendingSettings;
    TGameSettings DefaultSettings;
    QString StartDir;

    Game &game() { return *m_game; }
    Music &music() { return *m_music; }
    SettingsPage *settingsPage() const { return Panel2; }
    tcl *tileWidget(int row, int col) const { return m_tiles[row - 1][col - 1]; }
    QWidget *clientArea() const { return m_client; }

    TCustomPanel *Panel1;
    SettingsPage *Panel2;
    PicturePage *PanelImage;
    TCustomPanel *p1;
    TCustomPanel *p11;

    QMenu *MnGame1;
    QAction *MnGame2;
    QAction *N1;
    QAction *N2;
    QAction *N3;
    QAction *N15;
    QAction *N5;
    QAction *N6;
    QAction *N10;
    QMenu *N13;
    QAction *N11;
    QAction *mtime;
    QAction *mtimes;

    GameTimer *Timer2;

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool event(QEvent *event) override;

private:
    void createMenu();
    void startUp();
    void captureDefaults();
    void placeWindow();
    void fitOuterPlacement();
    void storeSettings();
    void Timer2Timer();
    void clientResized();
    void showGamePage();

    // GameView
    QSize clientSize() const override;
    TPanelStyle concealedStyle() const override;
    TColor concealedColor() const override;
    TPanelStyle revealedStyle() const override;
    void tileChanged(const TileState &tile) override;
    void setTimeCaption(const QString &text) override;
    void setCountCaption(const QString &text) override;

    Environment m_env;
    Random m_random;
    std::unique_ptr<ColorChooser> m_ownColors;
    QWidget *m_client;
    std::unique_ptr<Game> m_game;
    std::unique_ptr<Music> m_music;
    std::array<std::array<tcl *, Game::MaxCols>, Game::MaxRows> m_tiles{};
    // The outer placement to restore once the frame's size is known.
    QRect m_pendingOuter;
    bool m_exiting = false;
};
