#include "SettingsPage.h"

#include "ColorChooser.h"
#include "ColorDialogChooser.h"
#include "NumberField.h"
#include "base/Design.h"
#include "base/ObjectName.h"
#include "widgets/PanelStyleBridge.h"
#include "widgets/SchemeColor.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

TPanel *makeGroup(QWidget *parent, const char *name, int top, int height)
{
    auto *group = named(new TPanel(parent), name);
    group->setBevelOuter(bvRaised);
    group->setBevelInner(bvLowered);
    group->setBevelWidth(1);
    group->setColor(clTeal);
    group->setGeometry(Design::scaled(QRect(10, top, 600, height)));
    return group;
}

TPanel *makeSample(QWidget *parent, const char *name, const QString &caption, const QRect &place,
                   TBevelCut inner, int bevelWidth, TColor color)
{
    auto *sample = named(new TPanel(parent), name);
    sample->setCaption(caption);
    sample->setBevelOuter(bvRaised);
    sample->setBevelInner(inner);
    sample->setBevelWidth(bevelWidth);
    sample->setColor(color);
    sample->setGeometry(Design::scaled(place));
    return sample;
}

NumberField *makeField(QWidget *parent, const char *name, const QString &caption, int min, int max,
                       const QString &designedText, const QRect &place)
{
    auto *field = named(new NumberField(caption, min, max, designedText, parent), name);
    field->setGeometry(Design::scaled(place));
    return field;
}

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption,
                        const QRect &place)
{
    auto *button = named(new QPushButton(caption, parent), name);
    button->setGeometry(Design::scaled(place));
    return button;
}

} // namespace

SettingsPage::SettingsPage(TGameSettings &pendingSettings, ColorChooser *colors, QWidget *parent)
    : TPanel(parent), m_pending(pendingSettings), m_colors(colors)
{
    if (!m_colors) {
        m_ownColors = std::make_unique<ColorDialogChooser>();
        m_colors = m_ownColors.get();
    }
    setBevelOuter(bvLowered);
    setBevelInner(bvNone);
    setColor(clTeal);

    Panel5 = makeGroup(this, "Panel5", 10, 129);
    Panel6 = makeGroup(this, "Panel6", 148, 129);
    Panel7 = makeGroup(this, "Panel7", 286, 50);

    p1 = makeSample(Panel5, "p1", tr("Одноцветные панельки"), {13, 11, 186, 109},
                    bvRaised, 2, clSilver);
    Button3 = makeButton(Panel5, "Button3", tr("Внутренняя рамка"), {210, 11, 186, 31});
    Button4 = makeButton(Panel5, "Button4", tr("Внешняя рамка"), {210, 50, 186, 31});
    Panel9 = makeField(Panel5, "Panel9", tr("  Глубина рамок"), 1, 10,
                      QStringLiteral("10"), {210, 90, 186, 30});
    Button6 = makeButton(Panel5, "Button6", tr("Цвет панелек"), {407, 11, 186, 31});
    Button1 = makeButton(Panel5, "Button1", tr("Цвет фона"), {407, 50, 188, 31});
    Panel4 = makeField(Panel5, "Panel4", tr("  Между панелями"), 0, 15,
                      QStringLiteral("1"), {407, 90, 186, 30});

    p11 = makeSample(Panel6, "p11", tr("Цветные панельки"), {13, 10, 186, 109},
                     bvLowered, 3, clRed);
    Button10 = makeButton(Panel6, "Button10", tr("Внутренняя рамка"), {210, 10, 186, 31});
    Button11 = makeButton(Panel6, "Button11", tr("Внешняя рамка"), {210, 49, 186, 31});
    Panel10 = makeField(Panel6, "Panel10", tr("  Глубина рамок"), 1, 10,
                       QStringLiteral("3"), {210, 89, 186, 30});

    Button9 = makeButton(Panel7, "Button9", tr("По умолчанию"), {12, 11, 186, 31});
    Button14 = makeButton(Panel7, "Button14", tr("Отмена"), {209, 11, 186, 31});
    Button13 = makeButton(Panel7, "Button13", tr("Применить"), {406, 11, 186, 31});

    // A zero-sized display for the music: pictures of a sound file go nowhere.
    VideoPanel = named(new TPanel(this), "VideoPanel");
    VideoPanel->setGeometry(Design::scaled(246), Design::scaled(256), 0, 0);

    Edit4 = named(Panel9->edit(), "Edit4");
    Edit1 = named(Panel4->edit(), "Edit1");
    Edit5 = named(Panel10->edit(), "Edit5");

    // What a screen reader speaks: the captions painted beside the fields
    // are no labels, and the two groups' buttons read alike without the
    // group they belong to.
    Edit4->setAccessibleName(tr("Глубина рамок одноцветных панелек"));
    Edit5->setAccessibleName(tr("Глубина рамок цветных панелек"));
    Edit1->setAccessibleName(tr("Между панелями"));
    Button6->setAccessibleName(tr("Цвет одноцветных панелек"));
    for (QPushButton *b : {Button3, Button4, Button10, Button11})
        b->setAccessibleDescription(tr("Меняет вид рамки по кругу"));
    for (QPushButton *b : {Button6, Button1})
        b->setAccessibleDescription(tr("Открывает выбор цвета"));
    p1->setAccessibleName(tr("Образец: Одноцветные панельки"));
    p11->setAccessibleName(tr("Образец: Цветные панельки"));
    setAccessibleName(tr("Настройки"));
    Panel5->setAccessibleName(p1->Caption());
    Panel6->setAccessibleName(p11->Caption());
    for (NumberField *field : {Panel9, Panel10, Panel4})
        field->setAccessibleName(field->Caption().trimmed());

    nameFrames();
    // The page given the focus gives it to its first control at once: had
    // the page taken it first, a screen reader would be told of the page
    // after the control and speak the page alone.
    setFocusProxy(Button3);
    const auto cycle = [this](QPushButton *button, TPanel *sample, bool inner) {
        if (inner)
            sample->setBevelInner(nextBevel(sample->BevelInner()));
        else
            sample->setBevelOuter(nextBevel(sample->BevelOuter()));
        nameFrames();
        Q_EMIT frameChanged(button->accessibleName());
    };
    connect(Button3, &QPushButton::clicked, this, [this, cycle] { cycle(Button3, p1, true); });
    connect(Button4, &QPushButton::clicked, this, [this, cycle] { cycle(Button4, p1, false); });
    connect(Button10, &QPushButton::clicked, this, [this, cycle] { cycle(Button10, p11, true); });
    connect(Button11, &QPushButton::clicked, this, [this, cycle] { cycle(Button11, p11, false); });
    connect(Edit1, &QLineEdit::textChanged, this, &SettingsPage::Edit1Change);
    connect(Edit4, &QLineEdit::textChanged, this, &SettingsPage::Edit4Change);
    connect(Edit5, &QLineEdit::textChanged, this, &SettingsPage::Edit5Change);
    connect(Button6, &QPushButton::clicked, this, &SettingsPage::Button6Click);
    connect(Button1, &QPushButton::clicked, this, &SettingsPage::Button1Click);
    connect(Button13, &QPushButton::clicked, this, &SettingsPage::applyRequested);
    connect(Button14, &QPushButton::clicked, this, &SettingsPage::cancelRequested);
    connect(Button9, &QPushButton::clicked, this, &SettingsPage::defaultsRequested);
}

SettingsPage::~SettingsPage() = default;

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

QString SettingsPage::bevelName(TBevelCut cut)
{
    switch (cut) {
    case bvRaised:
        return tr("выпуклая");
    case bvLowered:
        return tr("вдавленная");
    case bvSpace:
        return tr("плоская");
    case bvNone:
    default:
        return tr("нет");
    }
}

void SettingsPage::nameFrames()
{
    // The names say the frame each button gives now; Orca 43 does not speak
    // the changed name of the focused button, frameChanged carries it.
    Button3->setAccessibleName(tr("Внутренняя рамка одноцветных панелек: %1").arg(bevelName(p1->BevelInner())));
    Button4->setAccessibleName(tr("Внешняя рамка одноцветных панелек: %1").arg(bevelName(p1->BevelOuter())));
    Button10->setAccessibleName(tr("Внутренняя рамка цветных панелек: %1").arg(bevelName(p11->BevelInner())));
    Button11->setAccessibleName(tr("Внешняя рамка цветных панелек: %1").arg(bevelName(p11->BevelOuter())));
}

void SettingsPage::refresh(const TGameSettings &settings)
{
    Panel4->setValue(settings.Gap);
    Panel9->setValue(settings.HiddenStyle.BevelWidth);
    Panel10->setValue(settings.ShownStyle.BevelWidth);
    setGroupColors(TColor(settings.BackColor));
}

void SettingsPage::showLooks(const TGameSettings &settings)
{
    ApplyPanelStyle(settings.HiddenStyle, *p1);
    p1->setColor(TColor(settings.HiddenColor));
    ApplyPanelStyle(settings.ShownStyle, *p11);
    nameFrames();
}

void SettingsPage::readLooks(TGameSettings &settings) const
{
    ReadPanelStyle(*p1, settings.HiddenStyle);
    ReadPanelStyle(*p11, settings.ShownStyle);
    settings.HiddenColor = std::int32_t(p1->Color());
}

int SettingsPage::gapField() const
{
    return Panel4->value();
}

void SettingsPage::setGapField(int gap)
{
    Panel4->setValue(gap);
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
    if (m_colors->choose(window(), color))
        p1->setColor(fromQColor(color));
}

void SettingsPage::Button1Click()
{
    QColor color;
    if (!m_colors->choose(window(), color))
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
