#include "../music/SoundFiles.h"
#include "app/Messages.h"
#include "app/TForm1.h"
#include "game/tcl.h"
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

namespace {

class OneColor : public ColorChooser
{
public:
    bool choose(QWidget *, QColor &color) override
    {
        color = Qt::blue;
        return true;
    }
};

class OneFile : public MusicChooser
{
public:
    QString file;
    bool choose(QWidget *, QString &path) override
    {
        path = file;
        return true;
    }
};

} // namespace

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
    QTemporaryDir dir;
    OneColor colors;
    OneFile music;
    music.file = sounds.mp3(QStringLiteral("song.mp3"), 300);
    TForm1::Environment env;
    env.programFolder = dir.path();
    env.colors = &colors;
    env.music = &music;
    env.audioSink = QStringLiteral("fakesink sync=true");
    TForm1 w(env);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTRY_VERIFY(!w.Timer2->isEnabled());

    Game &g = w.game();
    for (int guard = 0; guard < 1000 && !g.Timer4.isEnabled(); ++guard) {
        Q_EMIT g.Timer5.timeout();
        while (g.Timer1.isEnabled() || g.Timer3.isEnabled())
            Q_EMIT(g.Timer1.isEnabled() ? g.Timer1 : g.Timer3).timeout();
    }
    QVERIFY(g.Timer4.isEnabled());
    Q_EMIT g.Timer4.timeout();

    w.N6->trigger();
    w.settingsPage()->Button6->click();
    w.settingsPage()->Button3->click();
    w.settingsPage()->Button13->click();

    w.music().N14Click();
    QVERIFY(w.music().MediaPlayer1.isPlaying());
    QTRY_VERIFY_WITH_TIMEOUT(w.music().TmNotify.isEnabled(), 3000);
    QTest::qWait(1200);
    w.music().N22Click();

    w.N10->trigger();
    QTest::qWait(50);
    QTest::mouseClick(w.PanelImage->Image1, Qt::LeftButton);
    QTest::qWait(50);
    w.MnGame2->trigger();
    QVERIFY(w.close());
}

QTEST_MAIN(tst_Leaks)
#include "tst_Leaks.moc"
