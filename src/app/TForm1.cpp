#include "TForm1.h"

#include "access/BoardAccessible.h"
#include "access/Announcer.h"
#include "access/MenuBarKey.h"
#include "BoardView.h"
#include "LanguageMenu.h"
#include "MainMenu.h"
#include "MatchScore.h"
#include "OpponentMenu.h"
#include "PageStack.h"
#include "SettingsKeeper.h"
#include "WindowPlacement.h"
#include "base/Design.h"
#include "base/ObjectName.h"
#include "base/GameTimer.h"
#include "base/Messages.h"
#include "game/Game.h"
#include "music/Music.h"
#include "picture/PicturePage.h"
#include "settings/SettingsFile.h"
#include "settings_page/SettingsPage.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QRandomGenerator>

namespace {

// The window's designed outer placement and minimum size, in the design's
// 120 dots per inch.
const QRect DesignedPlacement(81, 51, 633, 400);
const QSize DesignedMinimum(600, 400);

Environment filled(Environment environment)
{
    environment.fillDefaults();
    return environment;
}

} // namespace

TForm1::TForm1(Environment environment)
    : m_env(filled(std::move(environment))), m_preferences(m_env.programFolder)
{
    m_results = new ResultsKeeper(m_env.programFolder, this);

    setWindowTitle(title());
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setPixelSize(Design::scaled(14));
    setFont(font);
    m_placement = new WindowPlacement(this, Design::scaled(DesignedPlacement),
                                      Design::scaled(DesignedMinimum));
    m_settingsKeeper = std::make_unique<SettingsKeeper>(Settings, *m_placement, StartDir);

    m_client = new QWidget(this);
    setCentralWidget(m_client);
    createMenus();
    createPages();
    m_board = new BoardView(m_client, *Panel2->concealedSample(), *Panel2->revealedSample(),
                            m_menu->mtime, m_menu->mtimes);
    m_game = std::make_unique<Game>(Settings, m_random, *m_board, m_env.clockMs);
    m_music = std::make_unique<Music>(Settings, m_menu->N13, this, m_env.audioSink, m_env.music);
    m_music->setFirstFolder(m_env.firstMusicFolder);
    startMatches();
    connect(m_board, &BoardView::tilePressed, this,
            [this](int row, int col) { Messages::guard([&] { m_match->press(row, col); }); });
    m_board->takeKeys(*Panel1, *m_game);
    connect(m_game.get(), &Game::won, m_results, &ResultsKeeper::recordWin);
    connect(m_results, &ResultsKeeper::noteChanged, m_board, &BoardView::setResultNote);
    BoardAccessible::install(*m_board, m_client);
    new MenuBarKey(menuBar(), m_board->announcer());
    connect(Panel2, &SettingsPage::frameChanged, m_board->announcer(), &Announcer::announce);
    Timer2 = named(new GameTimer(220, this), "Timer2");
    connect(Timer2, &GameTimer::timeout, this, Messages::guarded([this] { Timer2Timer(); }));

    // A start-up that fails is retried once without the settings file.
    try {
        startUp();
    } catch (const std::exception &) {
        QFile::remove(SettingsFile(m_env.programFolder).path());
        startUp();
    }
}

TForm1::~TForm1()
{
    // The board goes before the widgets that show it: a late resize must not
    // lay it out.
    disconnect(m_pages, nullptr, this, nullptr);
}

void TForm1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // Texts written into the page's fields before the window is first shown
    // run no change handlers.
    Panel2->setLive(true);
}

void TForm1::createMenus()
{
    m_menu = new MainMenu(menuBar());
    const MainMenu &m = *m_menu;
    new LanguageMenu(m.MnGame1, m.N25, m_env.language, m_preferences);
    connect(m.MnGame2, &QAction::triggered, this, Messages::guarded([this] { MnGame2Click(); }));
    connect(m.MnGame1, &QMenu::aboutToShow, this, Messages::guarded([this] { MnGame1Popup(); }));
    connect(m.N1, &QAction::triggered, this, Messages::guarded([this] { m_game->New(); }));
    connect(m.N2, &QAction::triggered, this, Messages::guarded([this] { m_game->Small(); }));
    connect(m.N3, &QAction::triggered, this, Messages::guarded([this] { m_game->Large(); }));
    connect(m.N15, &QAction::triggered, this, Messages::guarded([this] {
                m_game->ToggleDemo();
                PanelImage->hide();
            }));
    connect(m.colorMarks, &QAction::triggered, this,
            [this](bool checked) { Messages::guard([&] { colorMarksClick(checked); }); });
    connect(m.N25, &QAction::triggered, this, Messages::guarded([this] { N25Click(); }));
    connect(m.N5, &QAction::triggered, this, &TForm1::N5Click);
    connect(m.N6, &QAction::triggered, this, Messages::guarded([this] { N6Click(); }));
    connect(m.N10, &QAction::triggered, this, Messages::guarded([this] { N10Click(); }));
    connect(m.N11, &QAction::triggered, this, Messages::guarded([this] { N11Click(); }));
}

void TForm1::createPages()
{
    Panel1 = named(new TCustomPanel(m_client), "Panel1");
    Panel1->setBevelOuter(bvNone);
    Panel1->setColor(clTeal);
    connect(Panel1, &TCustomPanel::clicked, this, [this] { m_game->StopDemo(); });
    m_pages = new PageStack(m_client, Panel1, *m_menu);
    // Before the tiles exist there is nothing to lay out.
    connect(m_pages, &PageStack::resized, this, [this] {
        if (m_board->hasTiles())
            m_game->Layout();
    });

    Panel2 = named(new SettingsPage(PendingSettings, m_env.colors, m_client), "Panel2");
    m_pages->add(Panel2, true);
    connect(Panel2, &SettingsPage::applyRequested, this, Messages::guarded([this] { Apply(); }));
    connect(Panel2, &SettingsPage::cancelRequested, this, Messages::guarded([this] { Cancel(); }));
    connect(Panel2, &SettingsPage::defaultsRequested, this, Messages::guarded([this] { Defaults(); }));

    PanelImage = named(new PicturePage(m_client), "PanelImage");
    m_pages->add(PanelImage, false);
}

void TForm1::startUp()
{
    PanelImage->setGeometry(m_client->rect());
    m_random.seed(m_env.randomSeed());
    StartDir = m_env.programFolder;
    QDir::setCurrent(StartDir);
    captureDefaults();
    Settings = SettingsFile(StartDir).load(DefaultSettings);
    m_results->load();
    m_preferences.load();
    m_menu->colorMarks->setChecked(preferences().ColorMarks);
    m_board->setMarksShown(preferences().ColorMarks);
    m_menu->opponents->restore();
    PendingSettings = Settings;
    m_placement->restore(Settings);
    Load();
    m_pages->showGame();
    Panel2->readLooks(Settings);
    m_board->createTiles();
    m_game->CreateTiles();
    if (Settings.SmallBoard == 1)
        m_game->Small();
    else
        m_game->Large();
    Timer2->setEnabled(true);
    Panel2->setGapField(Settings.Gap);
    Panel1->setColor(TColor(Settings.BackColor));
}

void TForm1::captureDefaults()
{
    // The record's own defaults are the designed board, gap and background,
    // not maximized and no music; the placement and looks come from the design.
    DefaultSettings = TGameSettings();
    m_placement->storeDesign(DefaultSettings);
    Panel2->readLooks(DefaultSettings);
    // The revealed sample's colour is captured and stored but never applied,
    // so only the designed settings read it.
    DefaultSettings.ShownColor = std::int32_t(Panel2->revealedSample()->Color());
}

void TForm1::Timer2Timer()
{
    Load();
    Apply();
    Timer2->setEnabled(false);
}

void TForm1::closeEvent(QCloseEvent *event)
{
    m_settingsKeeper->close(event);
}

void TForm1::colorMarksClick(bool shown)
{
    m_board->setMarksShown(shown);
    // The marks stay for this run even where the choice cannot be stored;
    // the box says why it will not be remembered.
    m_preferences.change([shown](Preferences &p) { p.ColorMarks = shown; });
}

void TForm1::N10Click()
{
    m_game->StopDemo();
    Panel2->hide();
    m_pages->showOther(PanelImage);
}

void TForm1::N11Click()
{
    Messages::show(tr("%1 — игра в цветные пары.").arg(title()));
}

void TForm1::N25Click()
{
    m_results->showDialog(Settings.Cols, Settings.Rows);
}

void TForm1::startMatches()
{
    // The computer's generator is seeded apart from the deal's, which the
    // time of day alone decides.
    m_match = new Match(*m_game, QRandomGenerator::global()->generate(), this);
    new MatchScore(*m_match, *m_board, this);
    // The computer waits while the player is away from the board.
    m_match->setMayPlay([this] {
        return !QApplication::activePopupWidget() && !QApplication::activeModalWidget()
            && Panel2->isHidden() && PanelImage->isHidden();
    });
    m_menu->opponents->serve(*m_match, m_preferences);
    m_results->countMatches(*m_match);
}

void TForm1::Load()
{
    PendingSettings = Settings;
    Panel2->showLooks(Settings);
    Panel2->refresh(Settings);
}

void TForm1::Apply()
{
    Panel2->readLooks(PendingSettings);
    PendingSettings.Gap = Panel2->gapField();
    // The page does not edit the board's size: the one in play stays.
    PendingSettings.SmallBoard = Settings.SmallBoard;
    PendingSettings.Cols = Settings.Cols;
    PendingSettings.Rows = Settings.Rows;
    Settings.assignKeepingMusic(PendingSettings);
    m_game->ConcealTilesInPlay();
    m_game->Layout();
    Panel1->setColor(TColor(Settings.BackColor));
    m_pages->showGame();
}

void TForm1::Cancel()
{
    PendingSettings = Settings;
    Panel2->showLooks(PendingSettings);
    m_pages->showGame();
}

void TForm1::Defaults()
{
    Settings.assignKeepingMusic(DefaultSettings);
    Panel2->showLooks(DefaultSettings);
    Panel1->setColor(TColor(Settings.BackColor));
    m_game->Layout();
    m_game->Small();
    m_pages->showGame();
}

void TForm1::N6Click()
{
    m_game->StopDemo();
    PanelImage->hide();
    Load();
    m_pages->showOther(Panel2);
}

void TForm1::MnGame1Popup()
{
    Cancel();
    m_game->StopDemo();
    PanelImage->hide();
}

void TForm1::MnGame2Click()
{
    m_pages->showGame();
    MnGame1Popup();
}
