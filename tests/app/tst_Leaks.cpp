#include "../music/SoundFiles.h"
#include "TestWindow.h"
#include "base/GameTimer.h"
#include "base/Messages.h"
#include "app/TForm1.h"
#include "widgets/tcl.h"
#include "music/Music.h"
#include "music/MusicChooser.h"
#include "picture/PicturePage.h"
#include "picture/TImage.h"
#include "settings_page/ColorChooser.h"
#include "settings_page/SettingsPage.h"

#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>


// One whole session, for the leak checker that runs when the process ends:
// start, a game played to the end, the settings page, music, the picture
// page, and a close.
class tst_Leaks : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void wholeSession();
};

void tst_Leaks::wholeSession()
{
    SoundFiles sounds;
    TestWindow f;
    f.colors.always = Qt::blue;
    f.music.always = sounds.mp3(QStringLiteral("song.mp3"), 300);
    auto window = f.start();
    TForm1 &w = *window;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTRY_VERIFY(!part<GameTimer>(&w, "Timer2")->isEnabled());

    Game &g = w.game();
    for (int guard = 0; guard < 1000 && !g.timer4().isEnabled(); ++guard) {
        g.Timer5Timer();
        while (g.timer1().isEnabled() || g.timer3().isEnabled())
            g.timer1().isEnabled() ? g.Timer1Timer() : g.Timer3Timer();
    }
    QVERIFY(g.timer4().isEnabled());
    g.Timer4Timer();

    part<QAction>(&w, "N6")->trigger();
    part<QPushButton>(w.settingsPage(), "Button6")->click();
    part<QPushButton>(w.settingsPage(), "Button3")->click();
    part<QPushButton>(w.settingsPage(), "Button13")->click();

    w.music().N14Click();
    QVERIFY(w.music().mediaPlayer1().isPlaying());
    QTRY_VERIFY_WITH_TIMEOUT(w.music().tmNotify().isEnabled(), 3000);
    QTest::qWait(1200);
    w.music().N22Click();

    part<QAction>(&w, "N10")->trigger();
    QTest::qWait(50);
    QTest::mouseClick(part<TImage>(&w, "Image1"), Qt::LeftButton);
    QTest::qWait(50);
    part<QAction>(&w, "MnGame2")->trigger();
    QVERIFY(w.close());
}

QTEST_MAIN(tst_Leaks)
#include "tst_Leaks.moc"
