#pragma once

#include "widgets/TCustomPanel.h"

class QLineEdit;
class UpDown;

// A labelled number: a panel with a left-aligned caption, a read-only edit
// and up-down arrows bound to it; Up and Down in the edit step it too, and
// digits typed in it give the number.
class NumberField : public TPanel
{
    Q_OBJECT

public:
    NumberField(const QString &caption, int min, int max, const QString &designedText,
                QWidget *parent);

    QLineEdit *edit() const { return m_edit; }
    UpDown *upDown() const { return m_upDown; }
    // Writes the number; the edit's change signal runs only when the text
    // really changes.
    void setValue(int value);
    int value() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void typeDigit(int digit);

    QLineEdit *m_edit;
    UpDown *m_upDown;
    QString m_typed; // the digits typed since the focus came or an arrow stepped
};
