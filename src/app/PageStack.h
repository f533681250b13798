#pragma once

#include <QObject>

#include <vector>

class MainMenu;
class QWidget;

// The pages that take turns in the window's client area: each fills it, and
// only the one in front is shown, since one behind it would keep the
// keyboard. The others give way to the game page; while another page is in
// front the menu bar offers "Игра", which leads back, in place of the Game
// menu.
class PageStack : public QObject
{
    Q_OBJECT

public:
    PageStack(QWidget *client, QWidget *gamePage, MainMenu &menu);

    // A page other than the game's, hidden until it is shown. Going back to
    // the game lowers and hides a page that gives way to it (the settings
    // page, which the apply cycle leaves); the others are hidden by the
    // commands that leave them, so the start-up's second pass, which goes
    // back to the game, leaves a picture opened meanwhile in front.
    void add(QWidget *page, bool givesWayToGame);
    void showGame();
    void showOther(QWidget *page);

Q_SIGNALS:
    // The client area changed its size; the pages already fill it.
    void resized();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_client;
    QWidget *m_gamePage;
    MainMenu &m_menu;
    std::vector<QWidget *> m_others;
    std::vector<QWidget *> m_givingWay;
};
