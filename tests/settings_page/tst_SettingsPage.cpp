#include "app/Design.h"
#include "settings_page/ColorChooser.h"
#include "settings_page/NumberField.h"
#include "settings_page/SettingsPage.h"
#include "settings_page/UpDown.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

class NoColors : public ColorChooser
{
public:
    bool choose(QWidget *, QColor &) override { return false; }
};

struct Fixture
{
    TGameSettings pending;
    NoColors colors;
    SettingsPage page{pending, colors, nullptr};
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
};

void tst_SettingsPage::designedPlacesAndCaptions()
{
    Fixture f;
    SettingsPage &p = f.page;
    QCOMPARE(p.Panel5->geometry().topLeft(), Design::scaled(QRect(10, 10, 1, 1)).topLeft());
    QCOMPARE(p.Panel6->y(), Design::scaled(148));
    QCOMPARE(p.Panel7->height(), Design::scaled(50));
    QCOMPARE(p.p1->geometry(), Design::scaled(QRect(13, 11, 186, 109)));
    QCOMPARE(p.p11->geometry(), Design::scaled(QRect(13, 10, 186, 109)));
    QCOMPARE(p.Button1->geometry(), Design::scaled(QRect(407, 50, 188, 31)));
    QCOMPARE(p.Button13->geometry(), Design::scaled(QRect(406, 11, 186, 31)));
    QCOMPARE(p.Panel4->geometry(), Design::scaled(QRect(407, 90, 186, 30)));
    QCOMPARE(p.Edit1->geometry(), Design::scaled(QRect(128, 2, 31, 24)));
    QCOMPARE(p.Panel4->upDown()->geometry(), Design::scaled(QRect(159, 2, 18, 24)));
    QCOMPARE(p.VideoPanel->size(), QSize(0, 0));

    QCOMPARE(p.p1->Caption(), QStringLiteral("Одноцветные панельки"));
    QCOMPARE(p.p11->Caption(), QStringLiteral("Цветные панельки"));
    QCOMPARE(p.Panel9->Caption(), QStringLiteral("  Глубина рамок"));
    QCOMPARE(p.Panel4->Caption(), QStringLiteral("  Между панелями"));
    QCOMPARE(p.Panel4->Alignment(), taLeftJustify);
    QCOMPARE(p.Button3->text(), QStringLiteral("Внутренняя рамка"));
    QCOMPARE(p.Button11->text(), QStringLiteral("Внешняя рамка"));
    QCOMPARE(p.Button6->text(), QStringLiteral("Цвет панелек"));
    QCOMPARE(p.Button1->text(), QStringLiteral("Цвет фона"));
    QCOMPARE(p.Button9->text(), QStringLiteral("По умолчанию"));
    QCOMPARE(p.Button14->text(), QStringLiteral("Отмена"));
    QCOMPARE(p.Button13->text(), QStringLiteral("Применить"));
    QVERIFY(p.Edit1->isReadOnly());

    // The designed looks of the samples and the page.
    QCOMPARE(p.p1->BevelInner(), bvRaised);
    QCOMPARE(p.p1->BevelWidth(), 2);
    QCOMPARE(p.p1->Color(), clSilver);
    QCOMPARE(p.p11->BevelInner(), bvLowered);
    QCOMPARE(p.p11->BevelWidth(), 3);
    QCOMPARE(p.p11->Color(), clRed);
    QCOMPARE(p.BevelOuter(), bvLowered);
    QCOMPARE(p.Color(), clTeal);
    QCOMPARE(p.Panel6->BevelInner(), bvLowered);

    // The designed texts before the first load.
    QCOMPARE(p.Edit4->text(), QStringLiteral("10"));
    QCOMPARE(p.Edit1->text(), QStringLiteral("1"));
    QCOMPARE(p.Edit5->text(), QStringLiteral("3"));
}

void tst_SettingsPage::bevelCycleReturnsAfterFourPresses()
{
    Fixture f;
    const QList<TBevelCut> cycle = {bvSpace, bvLowered, bvNone, bvRaised};
    for (int i = 0; i < 4; ++i) {
        f.page.Button3->click();
        QCOMPARE(f.page.p1->BevelInner(), cycle[i]);
    }
    f.page.Button11->click();
    QCOMPARE(f.page.p11->BevelOuter(), bvSpace);
    QCOMPARE(f.page.p1->BevelOuter(), bvRaised);
    for (int i = 0; i < 3; ++i)
        f.page.Button11->click();
    QCOMPARE(f.page.p11->BevelOuter(), bvRaised);
    f.page.Button10->click();
    QCOMPARE(f.page.p11->BevelInner(), bvNone);
    f.page.Button4->click();
    QCOMPARE(f.page.p1->BevelOuter(), bvSpace);
}

void tst_SettingsPage::arrowsStopAtTheirLimits_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::newRow("concealed bevel width") << 9 << 1 << 10;
    QTest::newRow("revealed bevel width") << 10 << 1 << 10;
    QTest::newRow("gap") << 4 << 0 << 15;
}

void tst_SettingsPage::arrowsStopAtTheirLimits()
{
    QFETCH(int, field);
    QFETCH(int, min);
    QFETCH(int, max);
    Fixture f;
    NumberField *n = field == 9 ? f.page.Panel9 : field == 10 ? f.page.Panel10 : f.page.Panel4;
    for (int i = 0; i < 30; ++i)
        n->upDown()->stepUp();
    QCOMPARE(n->edit()->text(), QString::number(max));
    n->upDown()->stepDown();
    QCOMPARE(n->value(), max - 1);
    for (int i = 0; i < 30; ++i)
        n->upDown()->stepDown();
    QCOMPARE(n->edit()->text(), QString::number(min));
}

void tst_SettingsPage::fieldsActOnlyOnceLive()
{
    Fixture f;
    f.page.Panel9->upDown()->stepDown(); // before the window is shown
    QCOMPARE(f.page.Edit4->text(), QStringLiteral("9"));
    QCOMPARE(f.page.p1->BevelWidth(), 2);
    f.page.setLive(true);
    f.page.Panel9->upDown()->stepDown();
    QCOMPARE(f.page.p1->BevelWidth(), 8);
    f.page.Panel10->upDown()->stepUp();
    QCOMPARE(f.page.p11->BevelWidth(), 4);
    f.page.Panel4->upDown()->stepUp();
    QCOMPARE(f.pending.Gap, 2);
    // Writing the text it already has runs no change.
    f.page.p1->setBevelWidth(5);
    f.page.Panel9->setValue(8);
    QCOMPARE(f.page.p1->BevelWidth(), 5);
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
    QCOMPARE(f.page.Edit1->text(), QStringLiteral("7"));
    QCOMPARE(f.page.Edit4->text(), QStringLiteral("4"));
    QCOMPARE(f.page.Edit5->text(), QStringLiteral("6"));
    QCOMPARE(f.page.p1->BevelWidth(), 4);
    QCOMPARE(f.page.p11->BevelWidth(), 6);
    QCOMPARE(f.pending.Gap, 7);
    for (TPanel *g : {f.page.Panel5, f.page.Panel6, f.page.Panel7})
        QCOMPARE(g->Color(), TColor(0x00102030));
}

void tst_SettingsPage::groupsFollowThePageWidth()
{
    Fixture f;
    f.page.resize(900, 500);
    f.page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.page));
    const int expected = 900 - Design::scaled(22);
    QCOMPARE(f.page.Panel5->width(), expected);
    QCOMPARE(f.page.Panel6->width(), expected);
    QCOMPARE(f.page.Panel7->width(), expected);
    f.page.resize(700, 500);
    QTRY_COMPARE(f.page.Panel7->width(), 700 - Design::scaled(22));
}

QTEST_MAIN(tst_SettingsPage)
#include "tst_SettingsPage.moc"
