#include "SettingsPage.h"

#include "ColorChooser.h"
#include "NumberField.h"
#include "app/Design.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

TPanel *makeGroup(QWidget *parent, int top, int height)
{
    auto *group = new TPanel(parent);
    group->setBevelOuter(bvRaised);
    group->setBevelInner(bvLowered);
    group->setBevelWidth(1);
    group->setColor(clTeal);
    group->setGeometry(Design::scaled(QRect(10, top, 600, height)));
    return group;
}

TPanel *makeSample(QWidget *parent, const QString &caption, const QRect &place, TBevelCut inner,
                   int bevelWidth, TColor color)
{
    auto *sample = new TPanel(parent);
    sample->setCaption(caption);
    sample->setBevelOuter(bvRaised);
    sample->setBevelInner(inner);
    sample->setBevelWidth(bevelWidth);
    sample->setColor(color);
    sample->setGeometry(Design::scaled(place));
    return sample;
}

QPushButton *makeButton(QWidget *parent, const QString &caption, const QRect &place)
{
    auto *button = new QPushButton(caption, parent);
    button->setGeometry(Design::scaled(place));
    return button;
}

} // namespace

SettingsPage::SettingsPage(TGameSettings &pendingSettings, ColorChooser &colors, QWidget *parent)
    : TPanel(parent), m_pending(pendingSettings), m_colors(colors)
{
    setBevelOuter(bvLowered);
    setBevelInner(bvNone);
    setColor(clTeal);

    Panel5 = makeGroup(this, 10, 129);
    Panel6 = makeGroup(this, 148, 129);
    Panel7 = makeGroup(this, 286, 50);

    p1 = makeSample(Panel5, QStringLiteral("Одноцветные панельки"), {13, 11, 186, 109}, bvRaised, 2,
                    clSilver);
    Button3 = makeButton(Panel5, QStringLiteral("Внутренняя рамка"), {210, 11, 186, 31});
    Button4 = makeButton(Panel5, QStringLiteral("Внешняя рамка"), {210, 50, 186, 31});
    Panel9 = new NumberField(QStringLiteral("  Глубина рамок"), 1, 10, QStringLiteral("10"), Panel5);
    Panel9->setGeometry(Design::scaled(QRect(210, 90, 186, 30)));
    Button6 = makeButton(Panel5, QStringLiteral("Цвет панелек"), {407, 11, 186, 31});
    Button1 = makeButton(Panel5, QStringLiteral("Цвет фона"), {407, 50, 188, 31});
    Panel4 = new NumberField(QStringLiteral("  Между панелями"), 0, 15, QStringLiteral("1"), Panel5);
    Panel4->setGeometry(Design::scaled(QRect(407, 90, 186, 30)));

    p11 = makeSample(Panel6, QStringLiteral("Цветные панельки"), {13, 10, 186, 109}, bvLowered, 3,
                     clRed);
    Button10 = makeButton(Panel6, QStringLiteral("Внутренняя рамка"), {210, 10, 186, 31});
    Button11 = makeButton(Panel6, QStringLiteral("Внешняя рамка"), {210, 49, 186, 31});
    Panel10 = new NumberField(QStringLiteral("  Глубина рамок"), 1, 10, QStringLiteral("3"), Panel6);
    Panel10->setGeometry(Design::scaled(QRect(210, 89, 186, 30)));

    Button9 = makeButton(Panel7, QStringLiteral("По умолчанию"), {12, 11, 186, 31});
    Button14 = makeButton(Panel7, QStringLiteral("Отмена"), {209, 11, 186, 31});
    Button13 = makeButton(Panel7, QStringLiteral("Применить"), {406, 11, 186, 31});

    // A zero-sized display for the music: pictures of a sound file go nowhere.
    VideoPanel = new TPanel(this);
    VideoPanel->setGeometry(Design::scaled(246), Design::scaled(256), 0, 0);

    Edit4 = Panel9->edit();
    Edit1 = Panel4->edit();
    Edit5 = Panel10->edit();

    const auto cycle = [](TPanel *sample, bool inner) {
        if (inner)
            sample->setBevelInner(nextBevel(sample->BevelInner()));
        else
            sample->setBevelOuter(nextBevel(sample->BevelOuter()));
    };
    connect(Button3, &QPushButton::clicked, this, [this, cycle] { cycle(p1, true); });
    connect(Button4, &QPushButton::clicked, this, [this, cycle] { cycle(p1, false); });
    connect(Button10, &QPushButton::clicked, this, [this, cycle] { cycle(p11, true); });
    connect(Button11, &QPushButton::clicked, this, [this, cycle] { cycle(p11, false); });
    connect(Edit1, &QLineEdit::textChanged, this, &SettingsPage::Edit1Change);
    connect(Edit4, &QLineEdit::textChanged, this, &SettingsPage::Edit4Change);
    connect(Edit5, &QLineEdit::textChanged, this, &SettingsPage::Edit5Change);
    connect(Button6, &QPushButton::clicked, this, &SettingsPage::Button6Click);
    connect(Button1, &QPushButton::clicked, this, &SettingsPage::Button1Click);
    connect(Button13, &QPushButton::clicked, this, &SettingsPage::applyRequested);
    connect(Button14, &QPushButton::clicked, this, &SettingsPage::cancelRequested);
    connect(Button9, &QPushButton::clicked, this, &SettingsPage::defaultsRequested);
}

TBevelCut SettingsPage::nextBevel(TBevelCut cut)
{
    switch (cut) {
    case bvNone:
        return bvRaised;
    case bvRaised:
        return bvSpace;
    case bvSpace:
        return bvLowered;
    case bvLowered:
    default:
        return bvNone;
    }
}

void SettingsPage::refresh(const TGameSettings &settings)
{
    Panel4->setValue(settings.Gap);
    Panel9->setValue(settings.HiddenStyle.BevelWidth);
    Panel10->setValue(settings.ShownStyle.BevelWidth);
    setGroupColors(TColor(settings.BackColor));
}

void SettingsPage::setGroupColors(TColor color)
{
    Panel5->setColor(color);
    Panel6->setColor(color);
    Panel7->setColor(color);
}

void SettingsPage::Edit1Change()
{
    if (m_live)
        m_pending.Gap = Edit1->text().toInt();
}

void SettingsPage::Edit4Change()
{
    if (m_live)
        p1->setBevelWidth(Edit4->text().toInt());
}

void SettingsPage::Edit5Change()
{
    if (m_live)
        p11->setBevelWidth(Edit5->text().toInt());
}

void SettingsPage::Button6Click()
{
    QColor color;
    if (m_colors.choose(window(), color))
        p1->setColor(fromQColor(color));
}

void SettingsPage::Button1Click()
{
    QColor color;
    if (!m_colors.choose(window(), color))
        return;
    m_pending.BackColor = std::int32_t(fromQColor(color));
    setGroupColors(TColor(m_pending.BackColor));
}

void SettingsPage::resizeEvent(QResizeEvent *event)
{
    TPanel::resizeEvent(event);
    const int groupWidth = width() - Design::scaled(22);
    Panel5->resize(groupWidth, Panel5->height());
    Panel6->resize(groupWidth, Panel6->height());
    Panel7->resize(groupWidth, Panel7->height());
}
