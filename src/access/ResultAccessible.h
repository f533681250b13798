#pragma once

#include "ActionItemAccessible.h"

class QMenuBar;

// One of the two results in the menu bar as a screen reader reads it: the
// value with what it is ("Время последней победы: 01:23"), so that it has a
// name while blank and says what its number means once shown. Pressing it
// clears it, as a click does.
class ResultAccessible : public ActionItemAccessible
{
public:
    // A property of the item that, when set, names what it shows instead
    // of the label it was made with.
    static constexpr const char *LabelProperty = "resultLabel";
    // label: what the value is, e.g. "Время последней победы".
    ResultAccessible(QAction *item, QMenuBar *bar, QString label);

    QString text(QAccessible::Text t) const override;
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    QStringList actionNames() const override { return {pressAction()}; }

private:
    QString m_label;
};
