#pragma once

#include <QAccessibleWidget>

// The window's client area as a screen reader reads it: only the page in
// front. The settings and picture pages are left out while hidden, and the
// tiles, which lie in the client area beside the pages, are read as cells of
// the game page's table instead.
class ClientAccessible : public QAccessibleWidget
{
public:
    explicit ClientAccessible(QWidget *client);

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;

private:
    QList<QWidget *> pages() const;
};
