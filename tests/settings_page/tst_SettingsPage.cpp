#include "Doubles.h"
#include "base/Design.h"
#include "settings_page/ColorChooser.h"
#include "settings_page/NumberField.h"
#include "settings_page/SettingsPage.h"
#include "settings_page/UpDown.h"
#include "widgets/SchemeColor.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

struct Fixture
{
    TGameSettings pending;
    ScriptedColors colors; // with no answers: every dialog is cancelled
    SettingsPage page{pending, &colors, nullptr};
};

} // namespace

class tst_SettingsPage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void designedPlacesAndCaptions();
    void bevelCycleReturnsAfterFourPresses();
    void arrowsStopAtTheirLimits_data();
    void arrowsStopAtTheirLimits();
    void fieldsActOnlyOnceLive();
    void refreshWritesFieldsAndGroupColours();
    void groupsFollowThePageWidth();
    void captionsReadOnEveryScheme();
};

void tst_SettingsPage::designedPlacesAndCaptions()
{
    Fixture f;
    SettingsPage &p = f.page;
    QCOMPARE(part<TPanel>(&p, "Panel5")->geometry().topLeft(), Design::scaled(QRect(10, 10, 1, 1)).topLeft());
    QCOMPARE(part<TPanel>(&p, "Panel6")->y(), Design::scaled(148));
    QCOMPARE(part<TPanel>(&p, "Panel7")->height(), Design::scaled(50));
    QCOMPARE(part<TPanel>(&p, "p1")->geometry(), Design::scaled(QRect(13, 11, 186, 109)));
    QCOMPARE(part<TPanel>(&p, "p11")->geometry(), Design::scaled(QRect(13, 10, 186, 109)));
    QCOMPARE(part<QPushButton>(&p, "Button1")->geometry(), Design::scaled(QRect(407, 50, 188, 31)));
    QCOMPARE(part<QPushButton>(&p, "Button13")->geometry(), Design::scaled(QRect(406, 11, 186, 31)));
    QCOMPARE(part<NumberField>(&p, "Panel4")->geometry(), Design::scaled(QRect(407, 90, 186, 30)));
    QCOMPARE(part<QLineEdit>(&p, "Edit1")->geometry(), Design::scaled(QRect(128, 2, 31, 24)));
    QCOMPARE(part<NumberField>(&p, "Panel4")->upDown()->geometry(), Design::scaled(QRect(159, 2, 18, 24)));
    QCOMPARE(part<TPanel>(&p, "VideoPanel")->size(), QSize(0, 0));

    QCOMPARE(part<TPanel>(&p, "p1")->Caption(), QStringLiteral("Одноцветные панельки"));
    QCOMPARE(part<TPanel>(&p, "p11")->Caption(), QStringLiteral("Цветные панельки"));
    QCOMPARE(part<NumberField>(&p, "Panel9")->Caption(), QStringLiteral("  Глубина рамок"));
    QCOMPARE(part<NumberField>(&p, "Panel4")->Caption(), QStringLiteral("  Между панелями"));
    QCOMPARE(part<NumberField>(&p, "Panel4")->Alignment(), taLeftJustify);
    QCOMPARE(part<QPushButton>(&p, "Button3")->text(), QStringLiteral("Внутренняя рамка"));
    QCOMPARE(part<QPushButton>(&p, "Button11")->text(), QStringLiteral("Внешняя рамка"));
    QCOMPARE(part<QPushButton>(&p, "Button6")->text(), QStringLiteral("Цвет панелек"));
    QCOMPARE(part<QPushButton>(&p, "Button1")->text(), QStringLiteral("Цвет фона"));
    QCOMPARE(part<QPushButton>(&p, "Button9")->text(), QStringLiteral("По умолчанию"));
    QCOMPARE(part<QPushButton>(&p, "Button14")->text(), QStringLiteral("Отмена"));
    QCOMPARE(part<QPushButton>(&p, "Button13")->text(), QStringLiteral("Применить"));
    QVERIFY(part<QLineEdit>(&p, "Edit1")->isReadOnly());

    // The designed looks of the samples and the page.
    QCOMPARE(part<TPanel>(&p, "p1")->BevelInner(), bvRaised);
    QCOMPARE(part<TPanel>(&p, "p1")->BevelWidth(), 2);
    QCOMPARE(part<TPanel>(&p, "p1")->Color(), clSilver);
    QCOMPARE(part<TPanel>(&p, "p11")->BevelInner(), bvLowered);
    QCOMPARE(part<TPanel>(&p, "p11")->BevelWidth(), 3);
    QCOMPARE(part<TPanel>(&p, "p11")->Color(), clRed);
    QCOMPARE(p.BevelOuter(), bvLowered);
    QCOMPARE(p.Color(), clTeal);
    QCOMPARE(part<TPanel>(&p, "Panel6")->BevelInner(), bvLowered);

    // The designed texts before the first load.
    QCOMPARE(part<QLineEdit>(&p, "Edit4")->text(), QStringLiteral("10"));
    QCOMPARE(part<QLineEdit>(&p, "Edit1")->text(), QStringLiteral("1"));
    QCOMPARE(part<QLineEdit>(&p, "Edit5")->text(), QStringLiteral("3"));
}

void tst_SettingsPage::bevelCycleReturnsAfterFourPresses()
{
    Fixture f;
    const QList<TBevelCut> cycle = {bvSpace, bvLowered, bvNone, bvRaised};
    for (int i = 0; i < 4; ++i) {
        part<QPushButton>(&f.page, "Button3")->click();
        QCOMPARE(part<TPanel>(&f.page, "p1")->BevelInner(), cycle[i]);
    }
    part<QPushButton>(&f.page, "Button11")->click();
    QCOMPARE(part<TPanel>(&f.page, "p11")->BevelOuter(), bvSpace);
    QCOMPARE(part<TPanel>(&f.page, "p1")->BevelOuter(), bvRaised);
    for (int i = 0; i < 3; ++i)
        part<QPushButton>(&f.page, "Button11")->click();
    QCOMPARE(part<TPanel>(&f.page, "p11")->BevelOuter(), bvRaised);
    part<QPushButton>(&f.page, "Button10")->click();
    QCOMPARE(part<TPanel>(&f.page, "p11")->BevelInner(), bvNone);
    part<QPushButton>(&f.page, "Button4")->click();
    QCOMPARE(part<TPanel>(&f.page, "p1")->BevelOuter(), bvSpace);
}

void tst_SettingsPage::arrowsStopAtTheirLimits_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<bool>("byKeys");
    for (bool byKeys : {false, true}) {
        const char *how = byKeys ? ", Up and Down keys" : ", arrows";
        QTest::addRow("concealed bevel width%s", how) << QByteArray("Panel9") << 1 << 10 << byKeys;
        QTest::addRow("revealed bevel width%s", how) << QByteArray("Panel10") << 1 << 10 << byKeys;
        QTest::addRow("gap%s", how) << QByteArray("Panel4") << 0 << 15 << byKeys;
    }
}

void tst_SettingsPage::arrowsStopAtTheirLimits()
{
    QFETCH(QByteArray, field);
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(bool, byKeys);
    Fixture f;
    NumberField *n = part<NumberField>(&f.page, field.constData());
    if (byKeys) {
        f.page.show();
        QVERIFY(QTest::qWaitForWindowActive(&f.page));
        n->edit()->setFocus();
    }
    // Keys go through the window, as the player's do, to the focused edit.
    const auto step = [&](bool up) {
        if (byKeys)
            QTest::keyClick(f.page.windowHandle(), up ? Qt::Key_Up : Qt::Key_Down);
        else
            up ? n->upDown()->stepUp() : n->upDown()->stepDown();
    };
    for (int i = 0; i < 30; ++i)
        step(true);
    QCOMPARE(n->edit()->text(), QString::number(max));
    step(false);
    QCOMPARE(n->value(), max - 1);
    for (int i = 0; i < 30; ++i)
        step(false);
    QCOMPARE(n->edit()->text(), QString::number(min));
}

void tst_SettingsPage::fieldsActOnlyOnceLive()
{
    Fixture f;
    part<NumberField>(&f.page, "Panel9")->upDown()->stepDown(); // before the window is shown
    QCOMPARE(part<QLineEdit>(&f.page, "Edit4")->text(), QStringLiteral("9"));
    QCOMPARE(part<TPanel>(&f.page, "p1")->BevelWidth(), 2);
    f.page.setLive(true);
    part<NumberField>(&f.page, "Panel9")->upDown()->stepDown();
    QCOMPARE(part<TPanel>(&f.page, "p1")->BevelWidth(), 8);
    part<NumberField>(&f.page, "Panel10")->upDown()->stepUp();
    QCOMPARE(part<TPanel>(&f.page, "p11")->BevelWidth(), 4);
    part<NumberField>(&f.page, "Panel4")->upDown()->stepUp();
    QCOMPARE(f.pending.Gap, 2);
    // Writing the text it already has runs no change.
    part<TPanel>(&f.page, "p1")->setBevelWidth(5);
    part<NumberField>(&f.page, "Panel9")->setValue(8);
    QCOMPARE(part<TPanel>(&f.page, "p1")->BevelWidth(), 5);
}

void tst_SettingsPage::refreshWritesFieldsAndGroupColours()
{
    Fixture f;
    f.page.setLive(true);
    TGameSettings s;
    s.Gap = 7;
    s.HiddenStyle.BevelWidth = 4;
    s.ShownStyle.BevelWidth = 6;
    s.BackColor = 0x00102030;
    f.page.refresh(s);
    QCOMPARE(part<QLineEdit>(&f.page, "Edit1")->text(), QStringLiteral("7"));
    QCOMPARE(part<QLineEdit>(&f.page, "Edit4")->text(), QStringLiteral("4"));
    QCOMPARE(part<QLineEdit>(&f.page, "Edit5")->text(), QStringLiteral("6"));
    QCOMPARE(part<TPanel>(&f.page, "p1")->BevelWidth(), 4);
    QCOMPARE(part<TPanel>(&f.page, "p11")->BevelWidth(), 6);
    QCOMPARE(f.pending.Gap, 7);
    for (TPanel *g : {part<TPanel>(&f.page, "Panel5"), part<TPanel>(&f.page, "Panel6"), part<TPanel>(&f.page, "Panel7")})
        QCOMPARE(g->Color(), TColor(0x00102030));
}

void tst_SettingsPage::groupsFollowThePageWidth()
{
    Fixture f;
    f.page.resize(900, 500);
    f.page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.page));
    const int expected = 900 - Design::scaled(22);
    QCOMPARE(part<TPanel>(&f.page, "Panel5")->width(), expected);
    QCOMPARE(part<TPanel>(&f.page, "Panel6")->width(), expected);
    QCOMPARE(part<TPanel>(&f.page, "Panel7")->width(), expected);
    f.page.resize(700, 500);
    QTRY_COMPARE(part<TPanel>(&f.page, "Panel7")->width(), 700 - Design::scaled(22));
}

void tst_SettingsPage::captionsReadOnEveryScheme()
{
    // A dark scheme as Fusion's dark palettes have it: near-white text on
    // dark grey windows and buttons.
    QPalette dark = QApplication::palette();
    for (const auto role : {QPalette::Window, QPalette::Button, QPalette::Base})
        dark.setColor(role, QColor(0x35, 0x35, 0x35));
    for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        dark.setColor(role, QColor(0xf0, 0xf0, 0xf0));
    const QPalette light = QApplication::palette();
    QCOMPARE(light.color(QPalette::WindowText), QColor(Qt::black));

    for (const bool isDark : {true, false}) {
        const QPalette &palette = isDark ? dark : light;
        // The designed silver, then colours a player may choose for the
        // concealed tiles: navy, and the grey where black and white read least.
        for (const TColor chosen : {clSilver, rgbColor(0, 0, 0x80), rgbColor(0x76, 0x76, 0x76)}) {
            Fixture f;
            f.page.setPalette(palette);
            part<TPanel>(&f.page, "p1")->setColor(chosen);
            for (TPanel *panel : f.page.findChildren<TPanel *>()) {
                if (panel->Caption().isEmpty())
                    continue;
                // The panel alone, without the fields' edits and arrows.
                QImage img(panel->size(), QImage::Format_RGB32);
                panel->render(&img, {}, {}, QWidget::DrawWindowBackground);
                const QRect inside = panel->childArea();
                const QColor under = img.pixelColor(inside.topLeft());
                // The caption's colour: the pixel inside the rings farthest
                // from the background.
                QColor text = under;
                for (int y = inside.top(); y <= inside.bottom(); ++y)
                    for (int x = inside.left(); x <= inside.right(); ++x)
                        if (contrastRatio(img.pixelColor(x, y), under) > contrastRatio(text, under))
                            text = img.pixelColor(x, y);
                const double ratio = contrastRatio(text, under);
                QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("%1: %2 on %3, %4:1").arg(
                             panel->objectName(), text.name(), under.name()).arg(ratio, 0, 'f', 2)));
                // On the desktop's own colour, the desktop's own text; and the
                // designed samples look as they always did in the light scheme.
                if (panel->Color() & 0x80000000u || (!isDark && chosen == clSilver))
                    QCOMPARE(text, palette.color(QPalette::WindowText));
            }
        }
    }
    // The ratio itself, by the figures of the contrast rules.
    QCOMPARE(qRound(contrastRatio(Qt::black, Qt::white) * 100), 2100);
    QCOMPARE(qRound(contrastRatio(QColor(0xf0, 0xf0, 0xf0), QColor(0xc0, 0xc0, 0xc0)) * 10), 16);
}

QTEST_MAIN(tst_SettingsPage)
#include "tst_SettingsPage.moc"
