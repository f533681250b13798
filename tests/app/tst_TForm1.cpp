#include "Seed.h"
#include "TestWindow.h"
#include "base/Design.h"
#include "base/GameTimer.h"
#include "base/Messages.h"
#include "app/MatchScore.h"
#include "app/TForm1.h"
#include "game/Match.h"
#include "settings/PreferencesFile.h"
#include "widgets/tcl.h"
#include "music/Music.h"
#include "picture/PicturePage.h"
#include "picture/TImage.h"
#include "results/ResultsDialog.h"
#include "settings/ResultsFile.h"
#include "settings/SettingsFile.h"
#include "settings_page/ColorChooser.h"
#include "settings_page/NumberField.h"
#include "settings_page/SettingsPage.h"
#include "settings_page/UpDown.h"

#include <QAccessible>
#include <QScreen>
#include <QApplication>
#include <QFile>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QToolTip>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>


class tst_TForm1 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void firstStartUsesTheDesign();
    void badFileIsDeletedAtStartUp();
    void storedLargeBoardComesBack();
    void placementOffEveryScreenKeepsItsSize();
    void closeStoresAndExitDoesNot();
    void everyFieldSurvivesASession();
    void closeIntoAFolderThatIsGoneKeepsTheWindow();
    void endOfSessionStoresAsTheCloseOnce();
    void secondPassAppliesAndConcealsAWaitingTile();
    void applyDuringATurnStartsItAfresh();
    void keysReachOnlyThePageInFront();
    void pageFieldsComeAliveWhenShown();
    void loadApplyCancel();
    void defaultsOnALargeBoard();
    void musicFieldsSurviveApplyAndDefaults();
    void pageSwitchesKeepOneGameItem();
    void altIOpensTheGameOnEveryPress();
    void resultItemsClear();
    void settingsAgainReloadsThePage();
    void maximizedComesBackMaximized();
    void clickOnTheBackgroundStopsTheDemonstration();
    void picturePageRemembersItsPicture();
    void escapedErrorsReachTheBox();
    void timerIntervals();
    void winsEnterTheResultsAndTheirFile();
    void resultsDialog();
    void matchAgainstTheComputer();

private:
    std::unique_ptr<TestWindow> m_f;
};

void tst_TForm1::init()
{
    m_f = std::make_unique<TestWindow>();
}

void tst_TForm1::cleanup()
{
    m_f.reset();
}

void tst_TForm1::firstStartUsesTheDesign()
{
    auto w = m_f->start();
    QCOMPARE(w->windowTitle(), QStringLiteral("Тилими 1.3"));
    const QRect designed = Design::scaled(QRect(81, 51, 633, 400));
    QCOMPARE(w->pos(), designed.topLeft());
    QCOMPARE(w->size(), designed.size());

    TGameSettings expected;
    expected.WinLeft = designed.x();
    expected.WinTop = designed.y();
    expected.WinWidth = designed.width();
    expected.WinHeight = designed.height();
    QCOMPARE(w->defaultSettings().toBytes().toHex(' '), expected.toBytes().toHex(' '));
    QVERIFY(w->settings() == w->defaultSettings());
    QVERIFY(w->pendingSettings() == w->settings());

    int visible = 0;
    for (int r = 1; r <= 6; ++r) {
        for (int c = 1; c <= 8; ++c) {
            tcl *t = w->board().tile(r, c);
            visible += !t->isHidden();
            QCOMPARE(t->isHidden(), r > 4 || c > 6);
            QCOMPARE(t->Color(), clSilver);
            QCOMPARE(t->BevelWidth(), 2);
        }
    }
    QCOMPARE(visible, 24);
    QCOMPARE(part<TCustomPanel>(w, "Panel1")->Color(), clGray);
    QCOMPARE(part<QLineEdit>(w->settingsPage(), "Edit1")->text(), QStringLiteral("1"));
    QVERIFY(part<GameTimer>(w, "Timer2")->isEnabled());
    QVERIFY(!QFile::exists(m_f->dbData()));
}

void tst_TForm1::badFileIsDeletedAtStartUp()
{
    QFile f(m_f->dbData());
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(567, '\1'));
    f.close();
    auto w = m_f->start();
    QVERIFY(!QFile::exists(m_f->dbData()));
    QVERIFY(w->settings() == w->defaultSettings());
}

void tst_TForm1::storedLargeBoardComesBack()
{
    TGameSettings s;
    s.SmallBoard = 0;
    s.Cols = 8;
    s.Rows = 6;
    s.Gap = 4;
    s.BackColor = 0x00112233;
    s.HiddenStyle = {0, 1, 3, 1, 2};
    s.HiddenColor = 0x00445566;
    s.WinLeft = 10;
    s.WinTop = 20;
    s.WinWidth = 700;
    s.WinHeight = 500;
    m_f->writeSettings(s);
    auto w = m_f->start();
    QCOMPARE(w->settings().Gap, 4);
    QCOMPARE(part<TCustomPanel>(w, "Panel1")->Color(), TColor(0x00112233));
    QCOMPARE(w->pos(), QPoint(10, 20));
    QVERIFY(!w->board().tile(6, 8)->isHidden());
    QCOMPARE(w->board().tile(6, 8)->BevelWidth(), 3);
    QCOMPARE(w->board().tile(6, 8)->BorderWidth(), 1);
    QCOMPARE(w->board().tile(6, 8)->Color(), TColor(0x00445566));
    QCOMPARE(part<TPanel>(w, "p1")->BevelInner(), bvLowered);
}

void tst_TForm1::placementOffEveryScreenKeepsItsSize()
{
    // Stored on a monitor that is gone: the size fits, so it stays, and the
    // window comes wholly onto the screen that is left.
    TGameSettings s;
    s.WinLeft = -30000;
    s.WinTop = -30000;
    s.WinWidth = 500;
    s.WinHeight = 400;
    m_f->writeSettings(s);
    auto w = m_f->start();
    QCOMPARE(w->size(), QSize(500, 400));
    QVERIFY(w->screen()->availableGeometry().contains(QRect(w->pos(), w->size())));
}

void tst_TForm1::closeStoresAndExitDoesNot()
{
    QRect outer;
    {
        auto w = m_f->start();
        w->show();
        w->move(40, 30);
        w->resize(600, 400);
        outer = w->frameGeometry();
        QVERIFY(w->close());
    }
    QFile f(m_f->dbData());
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray stored = f.readAll();
    f.close();
    QCOMPARE(stored.size(), 568);
    TGameSettings s;
    QVERIFY(TGameSettings::fromBytes(stored, s));
    QCOMPARE(QRect(s.WinLeft, s.WinTop, s.WinWidth, s.WinHeight), outer);
    {
        auto w = m_f->start();
        w->show();
        QTRY_COMPARE(w->frameGeometry(), outer);
        w->move(100, 100);
        w->N5Click();
        w->endSession();
        w->close();
    }
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), stored);
}

// Records drawn at random within the valid range go through a whole session:
// the start, the second start-up pass, Load, Apply and Cancel of the settings
// page, and the close. Every byte but the placement, which follows the
// window, comes back as it was; a field overwritten anywhere on that road
// fails here, whichever field it is.
void tst_TForm1::everyFieldSurvivesASession()
{
    QRandomGenerator rng(testSeed());
    const auto byte = [&] { return std::uint8_t(rng.bounded(256)); };
    const auto color = [&] {
        const TColor scheme[] = {clBtnFace, clBtnShadow, clBtnHighlight, cl3DLight};
        return std::int32_t(rng.bounded(4) == 0 ? scheme[rng.bounded(4)] : rng.bounded(0x1000000u));
    };
    const auto style = [&](int minBevel) {
        return TPanelStyle{std::uint8_t(rng.bounded(2)), byte(),
                           std::uint8_t(rng.bounded(minBevel, 11)), std::uint8_t(rng.bounded(4)),
                           std::uint8_t(rng.bounded(4))};
    };
    const auto text = [&](ShortString &s) {
        s.Length = byte();
        for (char &c : s.Text)
            c = char(byte());
    };
    for (int round = 0; round < 8; ++round) {
        TGameSettings s;
        s.SmallBoard = std::uint8_t(round % 2);
        s.takeBoardFromSizeFlag();
        s.Reserved3 = byte();
        s.BackColor = color();
        s.Gap = int(rng.bounded(16));
        for (auto &b : s.Reserved29)
            b = byte();
        for (auto &b : s.Reserved37)
            b = byte();
        for (auto &b : s.Reserved49)
            b = byte();
        s.HiddenStyle = style(1);
        s.ShownStyle = style(0);
        s.HiddenColor = color();
        s.ShownColor = color();
        text(s.MusicDir);
        text(s.MusicFile);
        m_f->writeSettings(s);
        {
            auto w = m_f->start();
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w.get()));
            QTRY_VERIFY(!part<GameTimer>(w, "Timer2")->isEnabled());
            w->N6Click();
            w->Apply();
            w->N6Click();
            w->Cancel();
            QVERIFY(w->close());
        }
        TGameSettings back = m_f->storedSettings();
        back.WinLeft = s.WinLeft;
        back.WinTop = s.WinTop;
        back.WinWidth = s.WinWidth;
        back.WinHeight = s.WinHeight;
        back.Maximized = s.Maximized;
        QCOMPARE(back.toBytes().toHex(' '), s.toBytes().toHex(' '));
    }
}

void tst_TForm1::closeIntoAFolderThatIsGoneKeepsTheWindow()
{
    auto w = m_f->start();
    w->show();
    QVERIFY(m_f->dir.remove());
    QVERIFY(!w->close());
    QVERIFY(w->isVisible());
    QCOMPARE(m_f->messages.texts, QStringList{QStringLiteral("File not found")});
}

void tst_TForm1::endOfSessionStoresAsTheCloseOnce()
{
    auto w = m_f->start();
    w->show();
    w->move(40, 30);
    w->resize(600, 400);
    const QRect outer = w->frameGeometry();
    w->endSession();
    const QByteArray stored = m_f->readDbData();
    const TGameSettings s = m_f->storedSettings();
    QCOMPARE(stored.size(), 568);
    QCOMPARE(QRect(s.WinLeft, s.WinTop, s.WinWidth, s.WinHeight), outer);
    // A second request (SIGTERM after the session manager's own), and the
    // close as the program ends, store nothing more.
    w->move(100, 100);
    w->endSession();
    QVERIFY(w->close());
    QCOMPARE(m_f->readDbData(), stored);
}

void tst_TForm1::secondPassAppliesAndConcealsAWaitingTile()
{
    auto w = m_f->start();
    w->game().MouseDown(1, 1);
    w->game().Timer1Timer();
    QVERIFY(w->game().tile(1, 1).FaceUp);
    QTRY_VERIFY(!part<GameTimer>(w, "Timer2")->isEnabled());
    QVERIFY(!w->game().tile(1, 1).FaceUp);
    QCOMPARE(int(w->game().FirstRow()), 0); // the turn starts afresh
}

void tst_TForm1::applyDuringATurnStartsItAfresh()
{
    auto w = m_f->start();
    Game &g = w->game();
    // The partner of (1, 1), wherever the deal put it.
    QPoint partner;
    for (int r = 1; r <= 4; ++r)
        for (int c = 1; c <= 6; ++c)
            if ((r > 1 || c > 1) && g.tile(r, c).PairColor == g.tile(1, 1).PairColor)
                partner = {c, r};
    g.MouseDown(1, 1);
    g.Timer1Timer();
    w->N6Click();
    w->Apply();
    QCOMPARE(int(g.FirstRow()), 0);
    QVERIFY(!g.tile(1, 1).FaceUp);
    // The partner is revealed alone: no match with a face-down tile.
    g.MouseDown(partner.y(), partner.x());
    g.Timer1Timer();
    QVERIFY(!g.timer3().isEnabled());
    QVERIFY(g.tile(partner.y(), partner.x()).FaceUp);
    QVERIFY(g.tile(1, 1).Visible && !g.tile(1, 1).FaceUp);

    // A pair that matched before Apply is removed, not left face down and
    // out of play.
    g.MouseDown(1, 1);
    g.Timer1Timer();
    QVERIFY(g.timer3().isEnabled());
    w->N6Click();
    w->Apply();
    QVERIFY(!g.timer3().isEnabled());
    QVERIFY(!g.tile(1, 1).Visible);
    QVERIFY(!g.tile(partner.y(), partner.x()).Visible);
    QCOMPARE(int(g.FirstRow()), 0);
}

void tst_TForm1::keysReachOnlyThePageInFront()
{
    auto w = m_f->start();
    w->show();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    QTRY_VERIFY(!part<GameTimer>(w, "Timer2")->isEnabled());
    const auto type = [&](std::initializer_list<Qt::Key> keys) {
        for (Qt::Key key : keys)
            QTest::keyClick(w->windowHandle(), key);
    };
    const auto colours = [&] {
        QList<TColor> all;
        for (int r = 1; r <= 4; ++r)
            for (int c = 1; c <= 6; ++c)
                all << w->game().tile(r, c).PairColor;
        return all;
    };
    // The hidden page's buttons take no key: neither the bevel buttons nor
    // the colour dialog.
    type({Qt::Key_Space, Qt::Key_Space, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Space});
    QCOMPARE(part<TPanel>(w, "p1")->BevelInner(), bvRaised);
    QCOMPARE(m_f->colors.asked, 0);

    // The page in front has the keyboard; after Defaults the game page has it.
    w->N6Click();
    QVERIFY(w->settingsPage()->isAncestorOf(QApplication::focusWidget())
            || QApplication::focusWidget() == w->settingsPage());
    part<QPushButton>(w->settingsPage(), "Button9")->click();
    const QList<TColor> dealt = colours();
    type({Qt::Key_Space, Qt::Key_Tab, Qt::Key_Space, Qt::Key_Return});
    QCOMPARE(colours(), dealt);
    QVERIFY(!w->settingsPage()->isVisible());
}

void tst_TForm1::pageFieldsComeAliveWhenShown()
{
    auto w = m_f->start();
    auto *depth = part<NumberField>(w->settingsPage(), "Panel9");
    depth->setValue(5);
    QCOMPARE(part<TPanel>(w, "p1")->BevelWidth(), 2); // not yet shown: no change handler
    w->show();
    depth->setValue(6);
    QCOMPARE(part<TPanel>(w, "p1")->BevelWidth(), 6);
}

void tst_TForm1::loadApplyCancel()
{
    auto w = m_f->start();
    SettingsPage *page = w->settingsPage();
    page->setLive(true);
    w->N6Click();
    QVERIFY(!part<QMenu>(w, "MnGame1")->menuAction()->isVisible());
    QVERIFY(part<QAction>(w, "MnGame2")->isVisible());

    // Changes on the page live in the samples and the working copy only.
    part<QPushButton>(page, "Button3")->click();
    QCOMPARE(part<TPanel>(w, "p1")->BevelInner(), bvSpace);
    m_f->colors.answers = {QColor(0, 0, 255), QColor(10, 20, 30)};
    part<QPushButton>(page, "Button6")->click();
    part<QPushButton>(page, "Button1")->click();
    QCOMPARE(part<TPanel>(w, "p1")->Color(), TColor(0x00FF0000));
    QCOMPARE(part<TPanel>(page, "Panel5")->Color(), TColor(0x001E140A));
    QCOMPARE(part<TCustomPanel>(w, "Panel1")->Color(), clGray);
    QCOMPARE(w->board().tile(1, 1)->Color(), clSilver);

    w->Cancel();
    QCOMPARE(part<TPanel>(w, "p1")->BevelInner(), bvRaised);
    QCOMPARE(part<TPanel>(w, "p1")->Color(), clSilver);
    QVERIFY(w->pendingSettings() == w->settings());
    QVERIFY(part<QMenu>(w, "MnGame1")->menuAction()->isVisible());
    QVERIFY(!part<QAction>(w, "MnGame2")->isVisible());

    // Apply with gap 5 re-lays the board and conceals the waiting tile.
    w->N6Click();
    m_f->colors.answers = {QColor(0, 255, 0), QColor(1, 2, 3)};
    part<QPushButton>(page, "Button6")->click();
    part<QPushButton>(page, "Button1")->click();
    part<NumberField>(page, "Panel4")->upDown()->stepUp();
    for (int i = 0; i < 3; ++i)
        part<NumberField>(page, "Panel4")->upDown()->stepUp();
    QCOMPARE(part<QLineEdit>(page, "Edit1")->text(), QStringLiteral("5"));
    w->game().MouseDown(2, 2);
    w->game().Timer1Timer();
    w->Apply();
    QCOMPARE(w->settings().Gap, 5);
    QCOMPARE(w->settings().HiddenColor, 0x0000FF00);
    QCOMPARE(w->settings().BackColor, 0x00030201);
    QCOMPARE(part<TCustomPanel>(w, "Panel1")->Color(), TColor(0x00030201));
    QVERIFY(!w->game().tile(2, 2).FaceUp);
    QCOMPARE(w->board().tile(2, 2)->Color(), TColor(0x0000FF00));
    QCOMPARE(w->board().tile(1, 1)->pos(), QPoint(5, 5));
    QVERIFY(!part<QAction>(w, "MnGame2")->isVisible());
}

void tst_TForm1::defaultsOnALargeBoard()
{
    TGameSettings s;
    s.Gap = 9;
    s.BackColor = 0x123456;
    m_f->writeSettings(s);
    auto w = m_f->start();
    w->game().Large();
    w->N6Click();
    w->settingsPage()->setLive(true);
    part<QPushButton>(w->settingsPage(), "Button4")->click();
    w->Defaults();
    QCOMPARE(int(w->settings().SmallBoard), 1);
    QCOMPARE(w->settings().Gap, 1);
    QCOMPARE(part<TCustomPanel>(w, "Panel1")->Color(), clGray);
    QCOMPARE(part<TPanel>(w, "p1")->BevelOuter(), bvRaised);
    QVERIFY(w->board().tile(5, 1)->isHidden());
    QVERIFY(!w->board().tile(4, 6)->isHidden());
    QCOMPARE(w->game().Tag(), 0);
    QVERIFY(!part<QAction>(w, "MnGame2")->isVisible());
}

void tst_TForm1::musicFieldsSurviveApplyAndDefaults()
{
    TGameSettings s;
    s.MusicFile.assignPath(QStringLiteral("/m/chosen.mp3"));
    s.MusicDir.assignPath(QStringLiteral("/m"));
    m_f->writeSettings(s);
    auto w = m_f->start();
    w->N6Click();
    w->Apply();
    QCOMPARE(w->settings().MusicFile.path(), QStringLiteral("/m/chosen.mp3"));
    w->Defaults();
    QCOMPARE(w->settings().MusicFile.path(), QStringLiteral("/m/chosen.mp3"));
    QCOMPARE(w->settings().MusicDir.path(), QStringLiteral("/m"));
}

void tst_TForm1::pageSwitchesKeepOneGameItem()
{
    auto w = m_f->start();
    w->game().ToggleDemo();
    w->N6Click();
    QVERIFY(!w->game().timer5().isEnabled());
    w->settingsPage()->setLive(true);
    part<QPushButton>(w->settingsPage(), "Button3")->click();
    w->MnGame2Click();
    QCOMPARE(part<TPanel>(w, "p1")->BevelInner(), bvRaised); // unapplied changes are gone
    QVERIFY(part<QMenu>(w, "MnGame1")->menuAction()->isVisible());
    QVERIFY(!part<QAction>(w, "MnGame2")->isVisible());
    w->game().ToggleDemo();
    w->MnGame1Popup();
    QVERIFY(!w->game().timer5().isEnabled());
}

// Alt+И through the menu bar, as the keyboard sends it: on the game page it
// opens the Game menu, on another page it leads back to the game, on every
// press of a row.
void tst_TForm1::altIOpensTheGameOnEveryPress()
{
    auto w = m_f->start();
    w->show();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    const auto altI = [&] {
        QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key(0x0418),
                            QStringLiteral("и"), Qt::AltModifier);
    };
    QMenu *menu = part<QMenu>(w, "MnGame1");
    for (int press = 1; press <= 4; ++press) {
        altI();
        QTRY_VERIFY2(menu->isVisible(), qPrintable(QStringLiteral("game page, press %1").arg(press)));
        QTest::keyClick(menu, Qt::Key_Escape);
        QTRY_VERIFY(!menu->isVisible());
    }
    const std::pair<const char *, void (TForm1::*)()> pages[] = {{"settings", &TForm1::N6Click},
                                                                 {"picture", &TForm1::N10Click}};
    for (const auto &[name, show] : pages) {
        for (int press = 1; press <= 3; ++press) {
            (w.get()->*show)();
            QVERIFY(!menu->menuAction()->isVisible());
            altI();
            QVERIFY2(menu->menuAction()->isVisible(),
                     qPrintable(QStringLiteral("%1 page, press %2").arg(QLatin1String(name)).arg(press)));
            QVERIFY(!menu->isVisible());
        }
    }
}

void tst_TForm1::resultItemsClear()
{
    auto w = m_f->start();
    part<QAction>(w, "mtime")->setText(QStringLiteral("01:02"));
    part<QAction>(w, "mtimes")->setText(QStringLiteral("30"));
    part<QAction>(w, "mtime")->trigger();
    part<QAction>(w, "mtimes")->trigger();
    QCOMPARE(part<QAction>(w, "mtime")->text(), QStringLiteral("         "));
    QCOMPARE(part<QAction>(w, "mtimes")->text(), QString());
}

void tst_TForm1::escapedErrorsReachTheBox()
{
    // Finish with no music open fails in the player; the box shows it and
    // the program goes on.
    auto w = m_f->start();
    w->show();
    part<QAction>(w, "N22")->trigger();
    QCOMPARE(m_f->messages.texts.size(), 1);
    QVERIFY(!m_f->messages.texts.first().isEmpty());
    QVERIFY(w->isVisible());
    part<QAction>(w, "N1")->trigger();
    QCOMPARE(w->game().MoveCount(), 0);
}

void tst_TForm1::picturePageRemembersItsPicture()
{
    auto w = m_f->start();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    w->game().ToggleDemo();
    w->N10Click();
    QVERIFY(!w->game().timer5().isEnabled());
    QVERIFY(part<PicturePage>(w, "PanelImage")->isVisible());
    QCOMPARE(part<PicturePage>(w, "PanelImage")->geometry(), w->clientArea()->rect());
    QVERIFY(part<QAction>(w, "MnGame2")->isVisible());
    QTest::mouseClick(part<TImage>(w, "Image1"), Qt::LeftButton);
    QVERIFY(part<TImage>(w, "Image2")->isVisible());
    w->MnGame2Click();
    QVERIFY(!part<PicturePage>(w, "PanelImage")->isVisible());
    w->N6Click();
    w->N10Click(); // over the settings page, which is not cancelled
    QVERIFY(part<TImage>(w, "Image2")->isVisible());
    QVERIFY(!part<TImage>(w, "Image1")->isVisible());
    w->MnGame1Popup();
    QVERIFY(!part<PicturePage>(w, "PanelImage")->isVisible());
}

void tst_TForm1::settingsAgainReloadsThePage()
{
    auto w = m_f->start();
    w->settingsPage()->setLive(true);
    w->N6Click();
    part<QPushButton>(w->settingsPage(), "Button3")->click();
    part<NumberField>(w->settingsPage(), "Panel9")->upDown()->stepUp();
    QCOMPARE(part<TPanel>(w, "p1")->BevelWidth(), 3);
    w->N6Click();
    QCOMPARE(part<TPanel>(w, "p1")->BevelInner(), bvRaised);
    QCOMPARE(part<TPanel>(w, "p1")->BevelWidth(), 2);
    QCOMPARE(part<QLineEdit>(w->settingsPage(), "Edit4")->text(), QStringLiteral("2"));
    QVERIFY(part<QAction>(w, "MnGame2")->isVisible());
}

void tst_TForm1::maximizedComesBackMaximized()
{
    TGameSettings s;
    s.WinLeft = 50;
    s.WinTop = 60;
    s.WinWidth = 700;
    s.WinHeight = 500;
    m_f->writeSettings(s);
    {
        auto w = m_f->start();
        w->showMaximized();
        QTRY_VERIFY(w->isMaximized());
        QVERIFY(w->close());
    }
    TGameSettings stored;
    QFile f(m_f->dbData());
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(TGameSettings::fromBytes(f.readAll(), stored));
    QCOMPARE(int(stored.Maximized), 1);
    // The normal placement is kept for later.
    QCOMPARE(QRect(stored.WinLeft, stored.WinTop, stored.WinWidth, stored.WinHeight), QRect(50, 60, 700, 500));
    auto w = m_f->start();
    w->show();
    QTRY_VERIFY(w->isMaximized());
}

void tst_TForm1::clickOnTheBackgroundStopsTheDemonstration()
{
    auto w = m_f->start();
    w->resize(900, 700);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    w->game().Large();
    w->game().ToggleDemo();
    // The remainder of the layout at the bottom right shows the background.
    const QPoint corner = part<TCustomPanel>(w, "Panel1")->rect().bottomRight() - QPoint(1, 1);
    QVERIFY(part<TCustomPanel>(w, "Panel1")->childAt(corner) == nullptr);
    QTest::mouseClick(part<TCustomPanel>(w, "Panel1"), Qt::LeftButton, {}, corner);
    QVERIFY(!w->game().timer5().isEnabled());
    // A press on a tile through the widget stops it as well and is counted.
    w->game().ToggleDemo();
    QTest::mousePress(w->board().tile(2, 2), Qt::RightButton);
    QVERIFY(!w->game().timer5().isEnabled());
    QCOMPARE(w->game().MoveCount(), 1);
    QVERIFY(w->game().tile(2, 2).FaceUp);
}

void tst_TForm1::timerIntervals()
{
    auto w = m_f->start();
    const Game &g = w->game();
    QCOMPARE(g.timer1().interval(), 110);  // the compare after a reveal
    QCOMPARE(g.timer3().interval(), 55);   // the removal after a match
    QCOMPARE(g.timer4().interval(), 2000); // the next board after a win
    QCOMPARE(g.timer5().interval(), 500);  // a move of the demonstration
    QCOMPARE(part<GameTimer>(w, "Timer2")->interval(), 220); // the second start-up pass
    QCOMPARE(w->music().tmNotify().interval(), 1000);        // the replay of the music
}

void tst_TForm1::winsEnterTheResultsAndTheirFile()
{
    auto w = m_f->start();
    const ResultsFile file(m_f->dir.path());
    m_f->winBoard(*w, 50);
    // Stored at once, told in the tooltip of the results; the next board
    // is still due.
    QCOMPARE(file.load(), w->results());
    QCOMPARE(w->results().table(BestResults::Small).size(), 1);
    QCOMPARE(w->results().table(BestResults::Small).first().ms, 50'000);
    QCOMPARE(part<QAction>(w, "mtime")->text(), QStringLiteral("00:50"));
    QCOMPARE(w->board().resultNote(), QStringLiteral("Рекорд: 1-е место на малой доске"));
    // Shown over the result in the menu bar.
    w->show();
    QMenuBar *bar = w->menuBar();
    const QPoint over = bar->actionGeometry(part<QAction>(w, "mtime")).center();
    QHelpEvent hover(QEvent::ToolTip, over, bar->mapToGlobal(over));
    QApplication::sendEvent(bar, &hover);
    QCOMPARE(QToolTip::text(), w->board().resultNote());
    QVERIFY(w->game().timer4().isEnabled());
    // A worse win takes the second place; the next press clears the note.
    w->game().Timer4Timer();
    m_f->winBoard(*w, 70);
    QCOMPARE(w->board().resultNote(), QStringLiteral("Рекорд: 2-е место на малой доске"));
    w->game().Timer4Timer();
    w->game().MouseDown(1, 1);
    QCOMPARE(w->board().resultNote(), QString());
    // A board the demonstration pressed a tile of does not count.
    w->game().Large();
    w->game().ToggleDemo();
    w->game().Timer5Timer();
    w->game().StopDemo();
    m_f->winBoard(*w, 10);
    QVERIFY(w->results().table(BestResults::Large).isEmpty());
    QCOMPARE(file.load(), w->results());
    QVERIFY(m_f->messages.texts.isEmpty());
}

void tst_TForm1::resultsDialog()
{
    auto w = m_f->start();
    w->show();
    // Рекорды… stands last before the separator, with a letter of its own.
    const QList<QAction *> items = part<QMenu>(w, "MnGame1")->actions();
    const int at = int(items.indexOf(part<QAction>(w, "N25")));
    QVERIFY(items.at(at + 1)->isSeparator());
    QCOMPARE(part<QAction>(w, "N25")->text(), QStringLiteral("&Рекорды…"));
    m_f->winBoard(*w, 50);
    w->game().Large();
    m_f->winBoard(*w, 100);
    w->game().Timer4Timer();
    m_f->winBoard(*w, 4000); // past an hour: 66:40
    const auto open = [&] {
        part<QAction>(w, "N25")->trigger();
        return QPointer<ResultsDialog>(part<ResultsDialog>(w, "ResultsDialog"));
    };
    // Its letter in the open Game menu opens it, on the board in play; the
    // last entry is in bold.
    auto *menu = part<QMenu>(w, "MnGame1");
    menu->popup(w->mapToGlobal(QPoint(0, 0)));
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    QTest::sendKeyEvent(QTest::Click, menu, Qt::Key_unknown, QStringLiteral("р"), Qt::NoModifier);
    QPointer<ResultsDialog> d = part<ResultsDialog>(w, "ResultsDialog");
    QVERIFY(d->isVisible());
    QCOMPARE(d->shownBoard(), BestResults::Large);
    const QTableWidget *large = d->table(BestResults::Large);
    QCOMPARE(large->rowCount(), 2);
    QCOMPARE(large->item(1, 0)->text(), QStringLiteral("2"));
    QCOMPARE(large->item(1, 1)->text(), QStringLiteral("66:40"));
    QCOMPARE(large->item(1, 2)->text(), QString::number(w->results().table(BestResults::Large)[1].presses));
    QVERIFY(large->item(1, 3)->text().contains(QString::number(QDate::currentDate().year() % 100)));
    QVERIFY(large->item(1, 1)->font().bold() && !large->item(0, 1)->font().bold());
    QCOMPARE(large->currentRow(), 1);
    // Tab goes from the table to the buttons and the tabs.
    QVERIFY(QTest::qWaitForWindowActive(d));
    QCOMPARE(QApplication::focusWidget(), large);
    for (const char *next : {"reset", "close", "tabs"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY2(QApplication::focusWidget() == part<QWidget>(d.data(), next)
                     || QApplication::focusWidget()->parent() == part<QWidget>(d.data(), next),
                 next);
    }
    QTest::keyClick(d, Qt::Key_Escape);
    QTRY_VERIFY(d.isNull());

    // Сбросить asks first, then empties the table shown and its file, no other.
    w->game().Small();
    d = open();
    QCOMPARE(d->shownBoard(), BestResults::Small);
    QStringList asked;
    bool agree = false;
    d->setConfirmation([&](QWidget *, const QString &question) {
        asked << question;
        return agree;
    });
    auto *reset = part<QPushButton>(d.data(), "reset");
    reset->click();
    QCOMPARE(w->results().table(BestResults::Small).size(), 1);
    agree = true;
    reset->click();
    QCOMPARE(asked.last(), QStringLiteral("Очистить таблицу «Малая доска 6 × 4»?"));
    QCOMPARE(asked.size(), 2);
    QCOMPARE(d->table(BestResults::Small)->rowCount(), 0);
    QVERIFY(!reset->isEnabled());
    QCOMPARE(w->results().table(BestResults::Large).size(), 2);
    QCOMPARE(ResultsFile(m_f->dir.path()).load(), w->results());
    part<QPushButton>(d.data(), "close")->click();
    QTRY_VERIFY(d.isNull());
}

QTEST_MAIN(tst_TForm1)
#include "tst_TForm1.moc"

void tst_TForm1::matchAgainstTheComputer()
{
    auto w = m_f->start();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    QTRY_VERIFY(!part<GameTimer>(w, "Timer2")->isEnabled()); // the second start-up pass
    Game &g = w->game();
    Match &match = w->match();
    QAction *score = part<QAction>(w, "mtime");
    QAction *state = part<QAction>(w, "mtimes");
    // What a screen reader is told, through the board's one door.
    const auto told = [&] { return w->findChild<MatchScore *>()->told(); };
    // Chosen in the menu, stored at once, in force from the next deal.
    part<QAction>(w, "computerStrong")->trigger();
    QCOMPARE(PreferencesFile(m_f->dir.path()).load().Opponent, int(Match::ComputerStrong));
    QVERIFY(!match.isOn());
    part<QAction>(w, "N1")->trigger();
    QVERIFY(match.isOn());
    QCOMPARE(score->text(), QStringLiteral("Вы 0 : 0 Компьютер"));
    QCOMPARE(state->text(), QStringLiteral("ваш ход"));
    // A screen reader reads what the result place holds now.
    QAccessibleInterface *scoreRead = QAccessible::queryAccessibleInterface(score);
    QVERIFY(scoreRead);
    QCOMPARE(scoreRead->text(QAccessible::Name), QStringLiteral("Счёт: Вы 0 : 0 Компьютер"));

    // The player misses with the mouse: the turn is the computer's, and
    // the player's presses do nothing while it plays.
    const QPoint a(1, 1);
    const QPoint b = g.tile(1, 2).PairColor == g.tile(1, 1).PairColor ? QPoint(3, 1) : QPoint(2, 1);
    QTest::mouseClick(w->board().tile(a.y(), a.x()), Qt::LeftButton);
    QTRY_VERIFY(!g.busy());
    QTest::mouseClick(w->board().tile(b.y(), b.x()), Qt::LeftButton);
    QTRY_COMPARE(state->text(), QStringLiteral("ход компьютера"));
    QCOMPARE(told(), QStringLiteral("Ход компьютера."));
    const int moves = g.MoveCount();
    QTest::mouseClick(w->board().tile(4, 6), Qt::LeftButton);
    QCOMPARE(g.MoveCount(), moves);

    // A dialog open holds the computer; closed, it goes on.
    QSignalSpy turned(&match, &Match::computerTurned);
    part<QAction>(w, "N25")->trigger();
    auto *dialog = w->findChild<ResultsDialog *>();
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->tallyTable()->item(2, 0)->text(), QStringLiteral("Сильный"));
    QTest::qWait(1600);
    QCOMPARE(turned.size(), 0);
    dialog->accept();
    QTRY_COMPARE_WITH_TIMEOUT(turned.size(), 1, 3000);
    const int row = turned.first().at(0).toInt(), col = turned.first().at(1).toInt();
    QCOMPARE(told(),
             QStringLiteral("Компьютер открыл плитку: %1.").arg(w->board().tileName(row, col)));
    // What the computer remembers came only from tiles turned face up.
    QVERIFY(match.computer()->remembers(a.y(), a.x()) && match.computer()->remembers(b.y(), b.x()));

    // The rest of the board goes to the side whose turn it is: a match
    // never enters the best results, and the tally counts the loss.
    QTRY_VERIFY(!g.busy());
    g.ConcealTilesInPlay(); // as Apply does: the turn starts afresh
    m_f->winBoard(*w, 30);
    QVERIFY(match.finished());
    QCOMPARE(state->text(), QStringLiteral("выиграл компьютер"));
    QCOMPARE(score->text(), QStringLiteral("Вы 0 : 12 Компьютер"));
    QCOMPARE(told(), QStringLiteral("Компьютер выиграл со счётом 12 : 0."));
    QVERIFY(w->results().table(BestResults::Small).isEmpty());
    QCOMPARE(ResultsFile(m_f->dir.path()).loadTally().counts[ComputerPlayer::Strong][MatchTally::Lost], 1);
    // The next board is the computer's to open.
    g.Timer4Timer();
    QCOMPARE(match.turn(), Match::Away);

    // The demonstration ends the match and clears its score.
    part<QAction>(w, "N15")->trigger();
    QVERIFY(!match.isOn());
    QCOMPARE(score->text(), QString());
    QCOMPARE(scoreRead->text(QAccessible::Name), QStringLiteral("Время последней победы"));
    g.StopDemo();
    QVERIFY(m_f->messages.texts.isEmpty());
}
