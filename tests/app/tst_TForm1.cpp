#include "app/Design.h"
#include "app/Messages.h"
#include "app/TForm1.h"
#include "game/tcl.h"
#include "picture/PicturePage.h"
#include "picture/TImage.h"
#include "settings/SettingsFile.h"
#include "settings_page/ColorChooser.h"
#include "settings_page/NumberField.h"
#include "settings_page/SettingsPage.h"
#include "settings_page/UpDown.h"

#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

class ScriptedColors : public ColorChooser
{
public:
    QList<QColor> answers;
    bool choose(QWidget *, QColor &color) override
    {
        if (answers.isEmpty())
            return false;
        color = answers.takeFirst();
        return true;
    }
};

} // namespace

class tst_TForm1 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void firstStartUsesTheDesign();
    void badFileIsDeletedAtStartUp();
    void storedLargeBoardComesBack();
    void placementOffEveryScreenUsesTheDesign();
    void closeStoresAndExitDoesNot();
    void closeIntoAFolderThatIsGoneKeepsTheWindow();
    void secondPassAppliesAndConcealsAWaitingTile();
    void loadApplyCancel();
    void defaultsOnALargeBoard();
    void musicFieldsSurviveApplyAndDefaults();
    void pageSwitchesKeepOneGameItem();
    void resultItemsClear();
    void settingsAgainReloadsThePage();
    void maximizedComesBackMaximized();
    void clickOnTheBackgroundStopsTheDemonstration();
    void picturePageRemembersItsPicture();
    void escapedErrorsReachTheBox();

private:
    std::unique_ptr<TForm1> start();
    void writeSettings(const TGameSettings &s);
    QString dbData() const { return m_dir->filePath(QStringLiteral("DbData")); }

    std::unique_ptr<QTemporaryDir> m_dir;
    ScriptedColors m_colors;
    QStringList m_messages;
    Messages::Handler m_previous;
};

void tst_TForm1::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_messages.clear();
    m_previous = Messages::setHandler([this](const QString &t) { m_messages << t; });
}

void tst_TForm1::cleanup()
{
    Messages::setHandler(m_previous);
}

std::unique_ptr<TForm1> tst_TForm1::start()
{
    TForm1::Environment env;
    env.programFolder = m_dir->path();
    env.timeOfDay = [] { return 0.5; };
    env.randomSeed = [] { return 777u; };
    env.colors = &m_colors;
    return std::make_unique<TForm1>(env);
}

void tst_TForm1::writeSettings(const TGameSettings &s)
{
    QFile f(dbData());
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(s.toBytes());
}

void tst_TForm1::firstStartUsesTheDesign()
{
    auto w = start();
    QCOMPARE(w->windowTitle(), QStringLiteral("Тилими 1.3"));
    const QRect designed = Design::scaled(QRect(81, 51, 633, 400));
    QCOMPARE(w->pos(), designed.topLeft());
    QCOMPARE(w->size(), designed.size());

    TGameSettings expected;
    expected.WinLeft = designed.x();
    expected.WinTop = designed.y();
    expected.WinWidth = designed.width();
    expected.WinHeight = designed.height();
    QCOMPARE(w->DefaultSettings.toBytes().toHex(' '), expected.toBytes().toHex(' '));
    QVERIFY(w->Settings == w->DefaultSettings);
    QVERIFY(w->PendingSettings == w->Settings);

    int visible = 0;
    for (int r = 1; r <= 6; ++r) {
        for (int c = 1; c <= 8; ++c) {
            tcl *t = w->tileWidget(r, c);
            visible += !t->isHidden();
            QCOMPARE(t->isHidden(), r > 4 || c > 6);
            QCOMPARE(t->Color(), clSilver);
            QCOMPARE(t->BevelWidth(), 2);
        }
    }
    QCOMPARE(visible, 24);
    QCOMPARE(w->Panel1->Color(), clGray);
    QCOMPARE(w->settingsPage()->Edit1->text(), QStringLiteral("1"));
    QVERIFY(w->Timer2->isEnabled());
    QVERIFY(!QFile::exists(dbData()));
}

void tst_TForm1::badFileIsDeletedAtStartUp()
{
    QFile f(dbData());
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(567, '\1'));
    f.close();
    auto w = start();
    QVERIFY(!QFile::exists(dbData()));
    QVERIFY(w->Settings == w->DefaultSettings);
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
    writeSettings(s);
    auto w = start();
    QCOMPARE(w->Settings.Gap, 4);
    QCOMPARE(w->Panel1->Color(), TColor(0x00112233));
    QCOMPARE(w->pos(), QPoint(10, 20));
    QVERIFY(!w->tileWidget(6, 8)->isHidden());
    QCOMPARE(w->tileWidget(6, 8)->BevelWidth(), 3);
    QCOMPARE(w->tileWidget(6, 8)->BorderWidth(), 1);
    QCOMPARE(w->tileWidget(6, 8)->Color(), TColor(0x00445566));
    QCOMPARE(w->p1->BevelInner(), bvLowered);
}

void tst_TForm1::placementOffEveryScreenUsesTheDesign()
{
    TGameSettings s;
    s.WinLeft = -30000;
    s.WinTop = -30000;
    s.WinWidth = 700;
    s.WinHeight = 500;
    writeSettings(s);
    auto w = start();
    QCOMPARE(w->pos(), Design::scaled(QRect(81, 51, 633, 400)).topLeft());
}

void tst_TForm1::closeStoresAndExitDoesNot()
{
    QRect outer;
    {
        auto w = start();
        w->show();
        w->move(40, 30);
        w->resize(800, 600);
        outer = w->frameGeometry();
        QVERIFY(w->close());
    }
    QFile f(dbData());
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray stored = f.readAll();
    f.close();
    QCOMPARE(stored.size(), 568);
    TGameSettings s;
    QVERIFY(TGameSettings::fromBytes(stored, s));
    QCOMPARE(QRect(s.WinLeft, s.WinTop, s.WinWidth, s.WinHeight), outer);
    {
        auto w = start();
        w->show();
        QTRY_COMPARE(w->frameGeometry(), outer);
        w->move(100, 100);
        w->N5Click();
        w->close();
    }
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), stored);
}

void tst_TForm1::closeIntoAFolderThatIsGoneKeepsTheWindow()
{
    auto w = start();
    w->show();
    QVERIFY(m_dir->remove());
    QVERIFY(!w->close());
    QVERIFY(w->isVisible());
    QCOMPARE(m_messages, QStringList{QStringLiteral("File not found")});
}

void tst_TForm1::secondPassAppliesAndConcealsAWaitingTile()
{
    auto w = start();
    w->game().MouseDown(1, 1);
    w->game().Timer1Timer();
    QVERIFY(w->game().tile(1, 1).FaceUp);
    QTRY_VERIFY(!w->Timer2->isEnabled());
    QVERIFY(!w->game().tile(1, 1).FaceUp);
    QCOMPARE(int(w->game().FirstRow()), 1); // the selection is kept
}

void tst_TForm1::loadApplyCancel()
{
    auto w = start();
    SettingsPage *page = w->settingsPage();
    page->setLive(true);
    w->N6Click();
    QVERIFY(!w->MnGame1->menuAction()->isVisible());
    QVERIFY(w->MnGame2->isVisible());

    // Changes on the page live in the samples and the working copy only.
    page->Button3->click();
    QCOMPARE(w->p1->BevelInner(), bvSpace);
    m_colors.answers = {QColor(0, 0, 255), QColor(10, 20, 30)};
    page->Button6->click();
    page->Button1->click();
    QCOMPARE(w->p1->Color(), TColor(0x00FF0000));
    QCOMPARE(page->Panel5->Color(), TColor(0x001E140A));
    QCOMPARE(w->Panel1->Color(), clGray);
    QCOMPARE(w->tileWidget(1, 1)->Color(), clSilver);

    w->Cancel();
    QCOMPARE(w->p1->BevelInner(), bvRaised);
    QCOMPARE(w->p1->Color(), clSilver);
    QVERIFY(w->PendingSettings == w->Settings);
    QVERIFY(w->MnGame1->menuAction()->isVisible());
    QVERIFY(!w->MnGame2->isVisible());

    // Apply with gap 5 re-lays the board and conceals the waiting tile.
    w->N6Click();
    m_colors.answers = {QColor(0, 255, 0), QColor(1, 2, 3)};
    page->Button6->click();
    page->Button1->click();
    page->Panel4->upDown()->stepUp();
    for (int i = 0; i < 3; ++i)
        page->Panel4->upDown()->stepUp();
    QCOMPARE(page->Edit1->text(), QStringLiteral("5"));
    w->game().MouseDown(2, 2);
    w->game().Timer1Timer();
    w->Apply();
    QCOMPARE(w->Settings.Gap, 5);
    QCOMPARE(w->Settings.HiddenColor, 0x0000FF00);
    QCOMPARE(w->Settings.BackColor, 0x00030201);
    QCOMPARE(w->Panel1->Color(), TColor(0x00030201));
    QVERIFY(!w->game().tile(2, 2).FaceUp);
    QCOMPARE(w->tileWidget(2, 2)->Color(), TColor(0x0000FF00));
    QCOMPARE(w->tileWidget(1, 1)->pos(), QPoint(5, 5));
    QVERIFY(!w->MnGame2->isVisible());
}

void tst_TForm1::defaultsOnALargeBoard()
{
    auto w = start();
    w->game().Large();
    w->N6Click();
    w->settingsPage()->setLive(true);
    w->settingsPage()->Button4->click();
    w->Settings.Gap = 9;
    w->Settings.BackColor = 0x123456;
    w->Defaults();
    QCOMPARE(int(w->Settings.SmallBoard), 1);
    QCOMPARE(w->Settings.Gap, 1);
    QCOMPARE(w->Panel1->Color(), clGray);
    QCOMPARE(w->p1->BevelOuter(), bvRaised);
    QVERIFY(w->tileWidget(5, 1)->isHidden());
    QVERIFY(!w->tileWidget(4, 6)->isHidden());
    QCOMPARE(w->game().Tag(), 0);
    QVERIFY(!w->MnGame2->isVisible());
}

void tst_TForm1::musicFieldsSurviveApplyAndDefaults()
{
    auto w = start();
    w->N6Click();
    w->Settings.MusicFile.assignPath(QStringLiteral("/m/chosen.mp3"));
    w->Settings.MusicDir.assignPath(QStringLiteral("/m"));
    w->Apply();
    QCOMPARE(w->Settings.MusicFile.path(), QStringLiteral("/m/chosen.mp3"));
    w->Defaults();
    QCOMPARE(w->Settings.MusicFile.path(), QStringLiteral("/m/chosen.mp3"));
    QCOMPARE(w->Settings.MusicDir.path(), QStringLiteral("/m"));
}

void tst_TForm1::pageSwitchesKeepOneGameItem()
{
    auto w = start();
    w->game().ToggleDemo();
    w->N6Click();
    QVERIFY(!w->game().Timer5.isEnabled());
    w->settingsPage()->setLive(true);
    w->settingsPage()->Button3->click();
    w->MnGame2Click();
    QCOMPARE(w->p1->BevelInner(), bvRaised); // unapplied changes are gone
    QVERIFY(w->MnGame1->menuAction()->isVisible());
    QVERIFY(!w->MnGame2->isVisible());
    w->game().ToggleDemo();
    w->MnGame1Popup();
    QVERIFY(!w->game().Timer5.isEnabled());
}

void tst_TForm1::resultItemsClear()
{
    auto w = start();
    w->mtime->setText(QStringLiteral("01:02"));
    w->mtimes->setText(QStringLiteral("30"));
    w->mtime->trigger();
    w->mtimes->trigger();
    QCOMPARE(w->mtime->text(), QStringLiteral("         "));
    QCOMPARE(w->mtimes->text(), QString());
}

void tst_TForm1::escapedErrorsReachTheBox()
{
    bool after = false;
    Messages::guard([] { throw std::runtime_error("Disk full"); });
    after = true;
    QVERIFY(after);
    QCOMPARE(m_messages, QStringList{QStringLiteral("Disk full")});
}

void tst_TForm1::picturePageRemembersItsPicture()
{
    auto w = start();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    w->game().ToggleDemo();
    w->N10Click();
    QVERIFY(!w->game().Timer5.isEnabled());
    QVERIFY(w->PanelImage->isVisible());
    QCOMPARE(w->PanelImage->geometry(), w->clientArea()->rect());
    QVERIFY(w->MnGame2->isVisible());
    QTest::mouseClick(w->PanelImage->Image1, Qt::LeftButton);
    QVERIFY(w->PanelImage->Image2->isVisible());
    w->MnGame2Click();
    QVERIFY(!w->PanelImage->isVisible());
    w->N6Click();
    w->N10Click(); // over the settings page, which is not cancelled
    QVERIFY(w->PanelImage->Image2->isVisible());
    QVERIFY(!w->PanelImage->Image1->isVisible());
    w->MnGame1Popup();
    QVERIFY(!w->PanelImage->isVisible());
}

void tst_TForm1::settingsAgainReloadsThePage()
{
    auto w = start();
    w->settingsPage()->setLive(true);
    w->N6Click();
    w->settingsPage()->Button3->click();
    w->settingsPage()->Panel9->upDown()->stepUp();
    QCOMPARE(w->p1->BevelWidth(), 3);
    w->N6Click();
    QCOMPARE(w->p1->BevelInner(), bvRaised);
    QCOMPARE(w->p1->BevelWidth(), 2);
    QCOMPARE(w->settingsPage()->Edit4->text(), QStringLiteral("2"));
    QVERIFY(w->MnGame2->isVisible());
}

void tst_TForm1::maximizedComesBackMaximized()
{
    TGameSettings s;
    s.WinLeft = 50;
    s.WinTop = 60;
    s.WinWidth = 700;
    s.WinHeight = 500;
    writeSettings(s);
    {
        auto w = start();
        w->showMaximized();
        QTRY_VERIFY(w->isMaximized());
        QVERIFY(w->close());
    }
    TGameSettings stored;
    QFile f(dbData());
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(TGameSettings::fromBytes(f.readAll(), stored));
    QCOMPARE(int(stored.Maximized), 1);
    // The normal placement is kept for later.
    QCOMPARE(QRect(stored.WinLeft, stored.WinTop, stored.WinWidth, stored.WinHeight), QRect(50, 60, 700, 500));
    auto w = start();
    w->show();
    QTRY_VERIFY(w->isMaximized());
}

void tst_TForm1::clickOnTheBackgroundStopsTheDemonstration()
{
    auto w = start();
    w->resize(900, 700);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    w->game().Large();
    w->game().ToggleDemo();
    // The remainder of the layout at the bottom right shows the background.
    const QPoint corner = w->Panel1->rect().bottomRight() - QPoint(1, 1);
    QVERIFY(w->Panel1->childAt(corner) == nullptr);
    QTest::mouseClick(w->Panel1, Qt::LeftButton, {}, corner);
    QVERIFY(!w->game().Timer5.isEnabled());
    // A press on a tile through the widget stops it as well and is counted.
    w->game().ToggleDemo();
    QTest::mousePress(w->tileWidget(2, 2), Qt::RightButton);
    QVERIFY(!w->game().Timer5.isEnabled());
    QCOMPARE(w->game().MoveCount(), 1);
    QVERIFY(w->game().tile(2, 2).FaceUp);
}

QTEST_MAIN(tst_TForm1)
#include "tst_TForm1.moc"
