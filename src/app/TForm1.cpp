#include "TForm1.h"

#include "Design.h"
#include "Messages.h"
#include "game/tcl.h"
#include "music/Music.h"
#include "picture/PicturePage.h"
#include "settings/PanelStyle.h"
#include "settings/SettingsFile.h"
#include "settings_page/ColorDialogChooser.h"
#include "settings_page/SettingsPage.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QWindow>

namespace {

// The window's designed outer placement and minimum size.
const QRect DesignedPlacement(81, 51, 633, 400);
const QSize DesignedMinimum(600, 400);

std::function<void()> guarded(std::function<void()> body)
{
    return [body = std::move(body)] { Messages::guard(body); };
}

bool onSomeScreen(const QRect &outer)
{
    const auto screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(),
                       [&](const QScreen *s) { return s->geometry().intersects(outer); });
}

} // namespace

QString TForm1::title()
{
    return QStringLiteral("Тилими 1.3");
}

TForm1::TForm1(Environment environment) : m_env(std::move(environment))
{
    if (m_env.programFolder.isEmpty())
        m_env.programFolder = QCoreApplication::applicationDirPath();
    if (!m_env.timeOfDay) {
        m_env.timeOfDay = [] { return QTime::currentTime().msecsSinceStartOfDay() / 86400000.0; };
    }
    if (!m_env.randomSeed)
        m_env.randomSeed = [] { return Random::seedFor(QDateTime::currentDateTimeUtc().time()); };
    if (!m_env.colors) {
        m_ownColors = std::make_unique<ColorDialogChooser>();
        m_env.colors = m_ownColors.get();
    }

    setWindowTitle(title());
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setPixelSize(Design::scaled(14));
    setFont(font);
    setMinimumSize(Design::scaled(DesignedMinimum));
    const QRect designed = Design::scaled(DesignedPlacement);
    move(designed.topLeft());
    resize(designed.size());

    m_client = new QWidget(this);
    setCentralWidget(m_client);
    m_client->installEventFilter(this);
    createMenu();

    Panel1 = new TCustomPanel(m_client);
    Panel1->setBevelOuter(bvNone);
    Panel1->setColor(clTeal);
    connect(Panel1, &TCustomPanel::clicked, this, [this] { m_game->StopDemo(); });

    Panel2 = new SettingsPage(PendingSettings, *m_env.colors, m_client);
    p1 = Panel2->p1;
    p11 = Panel2->p11;
    connect(Panel2, &SettingsPage::applyRequested, this, guarded([this] { Apply(); }));
    connect(Panel2, &SettingsPage::cancelRequested, this, guarded([this] { Cancel(); }));
    connect(Panel2, &SettingsPage::defaultsRequested, this, guarded([this] { Defaults(); }));

    PanelImage = new PicturePage(m_client);
    PanelImage->hide();

    m_game = std::make_unique<Game>(Settings, m_random, static_cast<GameView &>(*this), m_env.timeOfDay);
    m_music = std::make_unique<Music>(Settings, N13, this, m_env.audioSink, m_env.music);
    Timer2 = new GameTimer(220, this);
    connect(Timer2, &GameTimer::timeout, this, guarded([this] { Timer2Timer(); }));

    try {
        startUp();
    } catch (const std::exception &) {
        QFile::remove(SettingsFile(m_env.programFolder).path());
        startUp();
    }
}

TForm1::~TForm1()
{
    // The board is destroyed before the widgets that show it: a late resize
    // must not lay it out.
    m_client->removeEventFilter(this);
}

void TForm1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // Texts written into the page's fields before the window is first shown
    // run no change handlers.
    Panel2->setLive(true);
}

void TForm1::createMenu()
{
    QMenuBar *bar = menuBar();
    MnGame2 = bar->addAction(QStringLiteral("&Игра"));
    MnGame2->setVisible(false);
    connect(MnGame2, &QAction::triggered, this, guarded([this] { MnGame2Click(); }));

    MnGame1 = bar->addMenu(QStringLiteral("&Игра"));
    connect(MnGame1, &QMenu::aboutToShow, this, guarded([this] { MnGame1Popup(); }));
    N1 = MnGame1->addAction(QStringLiteral("Новая"));
    N2 = MnGame1->addAction(QStringLiteral("Малая"));
    N3 = MnGame1->addAction(QStringLiteral("Большая"));
    N15 = MnGame1->addAction(QStringLiteral("Демонстрация"));
    MnGame1->addSeparator();
    N5 = MnGame1->addAction(QStringLiteral("Выход"));
    connect(N1, &QAction::triggered, this, guarded([this] { m_game->New(); }));
    connect(N2, &QAction::triggered, this, guarded([this] { m_game->Small(); }));
    connect(N3, &QAction::triggered, this, guarded([this] { m_game->Large(); }));
    connect(N15, &QAction::triggered, this, guarded([this] {
                m_game->ToggleDemo();
                PanelImage->hide();
            }));
    connect(N5, &QAction::triggered, this, &TForm1::N5Click);

    N6 = bar->addAction(QStringLiteral("&Настройки"));
    connect(N6, &QAction::triggered, this, guarded([this] { N6Click(); }));
    N10 = bar->addAction(QStringLiteral("&Мандала"));
    connect(N10, &QAction::triggered, this, guarded([this] { N10Click(); }));
    N13 = bar->addMenu(QStringLiteral("Му&зыка"));
    N11 = bar->addAction(QStringLiteral("&О программе"));
    connect(N11, &QAction::triggered, this, guarded([this] { N11Click(); }));
    mtime = bar->addAction(QString());
    mtimes = bar->addAction(QString());
    connect(mtime, &QAction::triggered, this, [this] { mtime->setText(QString(9, QLatin1Char(' '))); });
    connect(mtimes, &QAction::triggered, this, [this] { mtimes->setText(QString()); });
}

void TForm1::startUp()
{
    PanelImage->setGeometry(m_client->rect());
    m_random.seed(m_env.randomSeed());
    StartDir = m_env.programFolder;
    QDir::setCurrent(StartDir);
    captureDefaults();
    Settings = SettingsFile(StartDir).load(DefaultSettings);
    PendingSettings = Settings;
    placeWindow();
    Load();
    Panel2->lower();
    ReadPanelStyle(*p1, Settings.HiddenStyle);
    ReadPanelStyle(*p11, Settings.ShownStyle);
    if (!m_tiles[0][0]) {
        // Made after the pages, so the tiles lie above the game page.
        for (int r = 1; r <= Game::MaxRows; ++r) {
            for (int c = 1; c <= Game::MaxCols; ++c) {
                auto *tile = new tcl(r, c, m_client);
                connect(tile, &tcl::MouseDown, this, [this](int row, int col) {
                    Messages::guard([&] { m_game->MouseDown(row, col); });
                });
                m_tiles[r - 1][c - 1] = tile;
            }
        }
    }
    m_game->CreateTiles();
    if (Settings.SmallBoard == 1)
        m_game->Small();
    else
        m_game->Large();
    Timer2->setEnabled(true);
    Panel2->Edit1->setText(QString::number(Settings.Gap));
    Panel1->setColor(TColor(Settings.BackColor));
}

void TForm1::captureDefaults()
{
    TGameSettings &d = DefaultSettings;
    d = TGameSettings();
    d.SmallBoard = 1;
    d.Cols = 6;
    d.Rows = 4;
    d.Reserved3 = 0;
    d.Gap = 1;
    d.BackColor = std::int32_t(clGray);
    const QRect designed = Design::scaled(DesignedPlacement);
    d.WinLeft = designed.x();
    d.WinTop = designed.y();
    d.WinWidth = designed.width();
    d.WinHeight = designed.height();
    d.Maximized = 0;
    d.Reserved29 = {};
    d.Reserved37 = {};
    d.Reserved49 = {};
    ReadPanelStyle(*p11, d.ShownStyle);
    ReadPanelStyle(*p1, d.HiddenStyle);
    d.HiddenColor = std::int32_t(p1->Color());
    d.ShownColor = std::int32_t(p11->Color());
    d.MusicDir = {};
    d.MusicFile = {};
}

void TForm1::placeWindow()
{
    if (Settings.Maximized == 1) {
        setWindowState(windowState() | Qt::WindowMaximized);
        return;
    }
    QRect outer(Settings.WinLeft, Settings.WinTop, Settings.WinWidth, Settings.WinHeight);
    // A placement wholly off every screen (a monitor since removed) or of an
    // absurd size opens at the designed placement.
    const bool sane = outer.width() > 0 && outer.height() > 0 && outer.width() <= 32767
        && outer.height() <= 32767;
    if (!sane || !onSomeScreen(outer))
        outer = Design::scaled(DesignedPlacement);
    m_pendingOuter = outer;
    move(outer.topLeft());
    resize(outer.size());
}

void TForm1::fitOuterPlacement()
{
    // The frame's size is only known once the window is mapped: the outer
    // size less the frame gives the same outer rectangle on every run.
    const QRect outer = m_pendingOuter;
    m_pendingOuter = QRect();
    const QSize frame = frameGeometry().size() - geometry().size();
    // The minimum size is one of the outer frame too.
    setMinimumSize(Design::scaled(DesignedMinimum) - frame);
    resize(outer.size() - frame);
    move(outer.topLeft());
}

bool TForm1::event(QEvent *e)
{
    const bool result = QMainWindow::event(e);
    if (m_pendingOuter.isValid() && isVisible() && windowHandle()
        && !windowHandle()->frameMargins().isNull())
        fitOuterPlacement();
    return result;
}

void TForm1::Timer2Timer()
{
    Load();
    Apply();
    Timer2->setEnabled(false);
}

bool TForm1::eventFilter(QObject *watched, QEvent *e)
{
    if (watched == m_client && e->type() == QEvent::Resize)
        clientResized();
    return QMainWindow::eventFilter(watched, e);
}

void TForm1::clientResized()
{
    const QRect all = m_client->rect();
    Panel1->setGeometry(all);
    Panel2->setGeometry(all);
    PanelImage->setGeometry(all);
    // Before the tiles exist there is nothing to lay out.
    if (m_tiles[0][0])
        m_game->Layout();
}

void TForm1::closeEvent(QCloseEvent *event)
{
    if (m_exiting) {
        event->accept();
        return;
    }
    try {
        storeSettings();
        event->accept();
    } catch (const std::exception &e) {
        event->ignore();
        Messages::show(QString::fromUtf8(e.what()));
    }
}

void TForm1::storeSettings()
{
    if (isMaximized()) {
        Settings.Maximized = 1;
    } else {
        const QRect outer = frameGeometry();
        Settings.WinTop = outer.y();
        Settings.WinLeft = outer.x();
        Settings.WinWidth = outer.width();
        Settings.WinHeight = outer.height();
        Settings.Maximized = 0;
    }
    SettingsFile(StartDir).store(Settings);
}

void TForm1::N5Click()
{
    // Exit ends the program at once; the settings are not stored.
    m_exiting = true;
    QCoreApplication::exit(0);
}

void TForm1::N10Click()
{
    m_game->StopDemo();
    PanelImage->raise();
    PanelImage->show();
    MnGame1->menuAction()->setVisible(false);
    MnGame2->setVisible(true);
}

void TForm1::N11Click()
{
    Messages::show(QStringLiteral("Тилими 1.3 — игра в цветные пары."));
}

void TForm1::Load()
{
    PendingSettings = Settings;
    ApplyPanelStyle(Settings.HiddenStyle, *p1);
    p1->setColor(TColor(Settings.HiddenColor));
    ApplyPanelStyle(Settings.ShownStyle, *p11);
    Panel2->refresh(Settings);
}

void TForm1::Apply()
{
    ReadPanelStyle(*p1, PendingSettings.HiddenStyle);
    ReadPanelStyle(*p11, PendingSettings.ShownStyle);
    PendingSettings.HiddenColor = std::int32_t(p1->Color());
    PendingSettings.Gap = Panel2->Edit1->text().toInt();
    Settings.assignKeepingMusic(PendingSettings);
    m_game->ConcealTilesInPlay();
    m_game->Layout();
    Panel1->setColor(TColor(Settings.BackColor));
    showGamePage();
}

void TForm1::Cancel()
{
    PendingSettings = Settings;
    ApplyPanelStyle(PendingSettings.HiddenStyle, *p1);
    p1->setColor(TColor(Settings.HiddenColor));
    ApplyPanelStyle(PendingSettings.ShownStyle, *p11);
    showGamePage();
}

void TForm1::Defaults()
{
    Settings.assignKeepingMusic(DefaultSettings);
    ApplyPanelStyle(DefaultSettings.HiddenStyle, *p1);
    ApplyPanelStyle(DefaultSettings.ShownStyle, *p11);
    p1->setColor(TColor(Settings.HiddenColor));
    Panel1->setColor(TColor(Settings.BackColor));
    m_game->Layout();
    Panel2->lower();
    m_game->Small();
    showGamePage();
}

void TForm1::showGamePage()
{
    Panel2->lower();
    MnGame1->menuAction()->setVisible(true);
    MnGame2->setVisible(false);
}

void TForm1::N6Click()
{
    m_game->StopDemo();
    PanelImage->hide();
    Load();
    Panel2->raise();
    MnGame1->menuAction()->setVisible(false);
    MnGame2->setVisible(true);
}

void TForm1::MnGame1Popup()
{
    Cancel();
    m_game->StopDemo();
    PanelImage->hide();
}

void TForm1::MnGame2Click()
{
    MnGame1->menuAction()->setVisible(true);
    MnGame2->setVisible(false);
    Cancel();
    m_game->StopDemo();
    PanelImage->hide();
}

QSize TForm1::clientSize() const
{
    return m_client->size();
}

TPanelStyle TForm1::concealedStyle() const
{
    TPanelStyle style;
    ReadPanelStyle(*p1, style);
    return style;
}

TColor TForm1::concealedColor() const
{
    return p1->Color();
}

TPanelStyle TForm1::revealedStyle() const
{
    TPanelStyle style;
    ReadPanelStyle(*p11, style);
    return style;
}

void TForm1::tileChanged(const TileState &tile)
{
    if (tcl *widget = m_tiles[tile.Row - 1][tile.Col - 1])
        widget->display(tile);
}

void TForm1::setTimeCaption(const QString &text)
{
    mtime->setText(text);
}

void TForm1::setCountCaption(const QString &text)
{
    mtimes->setText(text);
}
