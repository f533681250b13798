#pragma once

#include <QColor>
#include <QWidget>

// The keyboard's cue as the player sees it: a dotted one-pixel rectangle
// along the widget's own edge, in black or white, whichever contrasts more
// with the backdrop. It draws nothing else, so what lies under it shows
// through, and the mouse passes through it to what lies under it.
class FocusCue : public QWidget
{
    Q_OBJECT

public:
    explicit FocusCue(QWidget *parent);

    // frame: where the dotted rectangle lies, in the parent's coordinates;
    // backdrop: the colour it is drawn on. An empty frame hides the cue.
    void place(const QRect &frame, const QColor &backdrop);
    QColor penColor() const { return m_pen; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_pen = Qt::black;
};
