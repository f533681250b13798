#include "PageStack.h"

#include "MainMenu.h"

#include <QEvent>
#include <QWidget>

PageStack::PageStack(QWidget *client, QWidget *gamePage, MainMenu &menu)
    : QObject(client), m_client(client), m_gamePage(gamePage), m_menu(menu)
{
    client->installEventFilter(this);
}

void PageStack::add(QWidget *page, bool givesWayToGame)
{
    m_others.push_back(page);
    if (givesWayToGame)
        m_givingWay.push_back(page);
    page->hide();
}

void PageStack::showGame()
{
    for (QWidget *page : m_givingWay) {
        page->lower();
        page->hide();
    }
    m_gamePage->setFocus();
    m_menu.showGameMenu(true);
}

void PageStack::showOther(QWidget *page)
{
    page->show();
    page->raise();
    // Keys go to the page in front; the game page has none of its own then.
    page->setFocus();
    m_menu.showGameMenu(false);
}

bool PageStack::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_client && event->type() == QEvent::Resize) {
        m_gamePage->setGeometry(m_client->rect());
        for (QWidget *page : m_others)
            page->setGeometry(m_client->rect());
        Q_EMIT resized();
    }
    return QObject::eventFilter(watched, event);
}
