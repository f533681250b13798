#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

// Up-down arrows bound to a read-only edit: each arrow steps the number in
// the edit by one within [min, max], without wrapping, and writes it back as
// decimal text.
class UpDown : public QWidget
{
    Q_OBJECT

public:
    UpDown(QLineEdit *associate, int min, int max, QWidget *parent);

    int position() const;
    int minimum() const { return m_min; }
    int maximum() const { return m_max; }
    void stepUp() { step(+1); }
    void stepDown() { step(-1); }

private:
    void step(int delta);

    QLineEdit *m_edit;
    int m_min;
    int m_max;
    QToolButton *m_up;
    QToolButton *m_down;
};
