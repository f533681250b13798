#pragma once

#include "settings/TGameSettings.h"
#include "widgets/TCustomPanel.h"

class ColorChooser;
class NumberField;
class QLineEdit;
class QPushButton;

// The settings page: the two sample panels and the controls that edit the
// concealed and revealed looks, the gap and the background. Changes live in
// p1, p11 and the working copy until Apply; the three buttons at the bottom
// ask the window for Apply, Cancel and Defaults.
class SettingsPage : public TPanel
{
    Q_OBJECT

public:
    SettingsPage(TGameSettings &pendingSettings, ColorChooser &colors, QWidget *parent);

    // The page's share of Load: the number fields and the group colours.
    void refresh(const TGameSettings &settings);
    // The edits' change handlers run only once the window has been shown.
    void setLive(bool live) { m_live = live; }

    // The next bevel of the cycle bvNone, bvRaised, bvSpace, bvLowered.
    static TBevelCut nextBevel(TBevelCut cut);

    TPanel *Panel5;
    TPanel *Panel6;
    TPanel *Panel7;
    TPanel *p1;
    TPanel *p11;
    TPanel *VideoPanel;
    QPushButton *Button3;
    QPushButton *Button4;
    NumberField *Panel9;
    QPushButton *Button6;
    QPushButton *Button1;
    NumberField *Panel4;
    QPushButton *Button10;
    QPushButton *Button11;
    NumberField *Panel10;
    QPushButton *Button9;
    QPushButton *Button14;
    QPushButton *Button13;
    QLineEdit *Edit1;
    QLineEdit *Edit4;
    QLineEdit *Edit5;

Q_SIGNALS:
    void applyRequested();
    void cancelRequested();
    void defaultsRequested();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void Edit1Change();
    void Edit4Change();
    void Edit5Change();
    void Button6Click();
    void Button1Click();
    void setGroupColors(TColor color);

    TGameSettings &m_pending;
    ColorChooser &m_colors;
    bool m_live = false;
};
