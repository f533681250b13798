#pragma once

#include "settings/TGameSettings.h"
#include "widgets/TCustomPanel.h"

#include <memory>

class ColorChooser;
class NumberField;
class QLineEdit;
class QPushButton;

// The settings page: the two sample panels and the controls that edit the
// concealed and revealed looks, the gap and the background. Changes live in
// the samples and the working copy until Apply; the three buttons at the
// bottom ask the window for Apply, Cancel and Defaults.
//
// Every control carries its designer name as objectName.
class SettingsPage : public TPanel
{
    Q_OBJECT

public:
    // pendingSettings: the working copy the page edits. colors: empty for
    // the colour dialog.
    SettingsPage(TGameSettings &pendingSettings, ColorChooser *colors, QWidget *parent);
    ~SettingsPage() override;

    // The page's share of Load: the number fields and the group colours.
    void refresh(const TGameSettings &settings);
    // The looks of a record onto the samples: both styles and the concealed
    // colour (the revealed sample's colour is never applied).
    void showLooks(const TGameSettings &settings);
    // The samples' looks into a record: both styles and the concealed colour,
    // the fields that showLooks() writes, so a record survives the round trip.
    void readLooks(TGameSettings &settings) const;
    // The number in the gap field, and writing one into it.
    int gapField() const;
    void setGapField(int gap);
    // The edits' change handlers run only once the window has been shown.
    void setLive(bool live) { m_live = live; }

    // The samples tiles copy their looks from.
    TPanel *concealedSample() const { return p1; }
    TPanel *revealedSample() const { return p11; }

    // The next bevel of the cycle bvNone, bvRaised, bvSpace, bvLowered.
    static TBevelCut nextBevel(TBevelCut cut);

Q_SIGNALS:
    // A frame button was pressed; name says the frame it now gives, for a
    // screen reader to speak.
    void frameChanged(const QString &name);
    void applyRequested();
    void cancelRequested();
    void defaultsRequested();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void Edit1Change(); // the gap goes into the working copy
    void Edit4Change(); // the concealed sample's bevel width follows its field
    void Edit5Change(); // the revealed sample's bevel width follows its field
    void Button6Click(); // "Цвет панелек": the concealed sample's colour
    void Button1Click(); // "Цвет фона": the background, shown on the groups
    void setGroupColors(TColor color);
    // The frame buttons' names say the frame each sample now has.
    void nameFrames();
    static QString bevelName(TBevelCut cut);

    TPanel *Panel5;          // group of the concealed look
    TPanel *Panel6;          // group of the revealed look
    TPanel *Panel7;          // group of the three buttons
    TPanel *p1;              // "Одноцветные панельки": sample of the concealed look
    TPanel *p11;             // "Цветные панельки": sample of the revealed look
    TPanel *VideoPanel;      // a 0-by-0 display for the music: pictures of a sound file go nowhere
    QPushButton *Button3;    // "Внутренняя рамка" of the concealed look: next inner bevel
    QPushButton *Button4;    // "Внешняя рамка" of the concealed look: next outer bevel
    NumberField *Panel9;     // "Глубина рамок" of the concealed look, 1 to 10, with Edit4
    QPushButton *Button6;    // "Цвет панелек"
    QPushButton *Button1;    // "Цвет фона"
    NumberField *Panel4;     // "Между панелями": the gap, 0 to 15, with Edit1
    QPushButton *Button10;   // "Внутренняя рамка" of the revealed look
    QPushButton *Button11;   // "Внешняя рамка" of the revealed look
    NumberField *Panel10;    // "Глубина рамок" of the revealed look, 1 to 10, with Edit5
    QPushButton *Button9;    // "По умолчанию": Defaults
    QPushButton *Button14;   // "Отмена": Cancel
    QPushButton *Button13;   // "Применить": Apply
    QLineEdit *Edit1;        // the gap's number
    QLineEdit *Edit4;        // the concealed look's bevel width
    QLineEdit *Edit5;        // the revealed look's bevel width

    TGameSettings &m_pending;
    std::unique_ptr<ColorChooser> m_ownColors;
    ColorChooser *m_colors;
    bool m_live = false;
};
