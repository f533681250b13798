#pragma once

#include <QAccessibleWidget>

class Announcer;

// The announcer as a screen reader reads it: a notification named by the
// last announcement.
class AnnouncerAccessible : public QAccessibleWidget
{
public:
    explicit AnnouncerAccessible(Announcer *announcer);

    QString text(QAccessible::Text t) const override;
};
